#pragma once

#include <QString>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace trv {

// Holds a text field (a memo: each of its lines) to the longest text the model keeps, and
// calls zuLang whenever a typed or pasted text was cut, so the engineer is told rather than
// finding the text shortened in the saved project.
void TextgrenzeSetzen(QLineEdit* feld, std::function<void()> zuLang);
void TextgrenzeSetzen(QPlainTextEdit* memo, std::function<void()> zuLang);
// What zuLang tells the user.
QString TextZuLangMeldung();

} // namespace trv
