#include "platform/large_block_reuse.h"

#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void KeepLargeBlocksForReuse()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}
