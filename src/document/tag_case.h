#pragma once

class Program;

// Rewrites the letters inside every tag of the ActiveDocument (names, attributes, values
// and whole comments) in lower or upper case. Text between tags is left alone.
void MakeTagsLowercase(Program &program);
void MakeTagsUppercase(Program &program);
