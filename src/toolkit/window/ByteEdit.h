#pragma once
// One-line edits holding a text of the file system's bytes, such as a folder. A QString
// cannot hold bytes that are not UTF-8: the edit shows them decoded and keeps the bytes
// beside, to give them back whole while its text is still what they showed.

#include <string>

class QLineEdit;

void SetEditBytes(QLineEdit* edit, const std::string& bytes);
// The bytes set, or the text as the user typed it once it was changed.
std::string EditBytes(const QLineEdit* edit);
