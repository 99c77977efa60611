#pragma once

class Program;

// Insert > File: asks for a file and puts its text in place of the ActiveDocument's
// selection, read as plain text whatever its name. A file that cannot be read inserts
// nothing and is reported as Open reports it.
void InsertFileAtSelection(Program &program);
