#pragma once

class ProgramContext;
class QString;
struct SearchState;

// Selects the next occurrence of FindText in the active editor, in the search direction,
// or tells the user that there is none. A search that starts where the last one ended
// passes over the occurrence found then; the search never wraps around.
void FindNextMatch(ProgramContext &program, SearchState &search);
// The same search; the occurrence found is replaced by ReplaceText.
void FindAndReplaceNext(ProgramContext &program, SearchState &search);

// Upper-cases character by character, so that every position stays that of the original.
void UpperCaseInPlace(QString &text);

// Tells the user why a search cannot run (an expression that does not compile, a
// replacement naming a group the expression lacks); nothing is searched then.
void ShowSearchProblem(ProgramContext &program, const QString &problem);
