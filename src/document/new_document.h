#pragma once

class Program;

// Creates and shows an untitled document window in the lowest free slot.
void NewDocument(Program &program);
