#pragma once

#include "search/text_matcher.h"

class SettingsStore;
class QCheckBox;
struct SearchState;

// The search choices beyond the classic ones, each remembered under a settings section of
// its own (its key named as the section).
namespace SearchOption {
inline constexpr const char *RegularExpression = "SearchRegularExpression";
inline constexpr const char *WholeWord = "SearchWholeWord";
inline constexpr const char *InSelection = "ReplaceInSelection";
inline constexpr const char *FilesFolder = "FindInFilesFolder";
inline constexpr const char *FilesTypes = "FindInFilesTypes";
inline constexpr const char *FilesMatchCase = "FindInFilesMatchCase";
inline constexpr const char *FilesWholeWord = "FindInFilesWholeWord";
inline constexpr const char *FilesRegularExpression = "FindInFilesRegularExpression";
inline constexpr const char *FilesSubfolders = "FindInFilesSubfolders";
} // namespace SearchOption

bool IsSearchOptionOn(const SettingsStore &settings, const char *section, bool byDefault = false);
// The box shows the remembered choice, and each click stores the new one and hands it on.
void RememberCheckBox(QCheckBox *box, SettingsStore &settings, const char *section, bool *choice,
                      bool byDefault = false);

// How the find text of the search state is to be read.
MatchOptions MatchOptionsOf(const SearchState &search);
// Whether a search needs more than the classic plain comparison.
bool UsesMatcher(const SearchState &search);
