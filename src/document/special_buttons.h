#pragma once

class ProgramContext;
class QString;

// What a button of the special toolbar writes into the ActiveDocument, by the button's
// key ("Bold", "Break", "HeadOne", ...): most wrap the selection in a tag pair, "Break"
// puts a line-break tag after it. Tags follow LowercaseTags; the selection keeps its
// own case. An unknown key (compared exactly) does nothing.
void RunSpecialButton(ProgramContext &program, const QString &key);
