#pragma once

class Program;

// File > Print: the print dialog, then the ActiveDocument's selection, or all of its
// text when nothing is selected, on the chosen printer.
void PrintActiveDocument(Program &program);
