#pragma once

// A page's text passes through blocks of its own size several times over (read, decoded,
// held by the editor, copied out to save). Left to itself the C library hands such blocks
// back to the system when they are freed, or when enough lies free at the top of its
// heap, and the next open or save takes the memory afresh, a page fault at a time. Kept
// instead for reuse up to the sizes the library would itself settle on in time (blocks up
// to 32 MB, 64 MB held free), a page opened again or saved again costs no new memory.
void KeepLargeBlocksForReuse();
