// Stored texts in edit boxes and back.
#pragma once

#include <QString>
#include <string>

// A stored text as an edit box shows it: UTF-8, with CR LF (as a network file gives line
// breaks back) made a plain line break.
QString EditText(const std::string& stored);
// What an edit box holds, to be stored: UTF-8, each line break as CR LF, as a file gives it
// back, so that a text that was not changed is stored as it was.
std::string StoredText(const QString& edited);
