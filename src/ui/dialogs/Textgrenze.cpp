#include "ui/dialogs/Textgrenze.h"

#include "model/Nutzertext.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

namespace trv {

namespace {

constexpr int kGrenze = static_cast<int>(MaxNutzertext);

// Cuts every line beyond the limit; true when one was cut.
bool ZeilenKuerzen(QPlainTextEdit* memo) {
    bool gekuerzt = false;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        if (b.length() - 1 > kGrenze) {
            QTextCursor c(b);
            c.setPosition(b.position() + kGrenze);
            c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
            c.removeSelectedText();
            gekuerzt = true;
        }
    }
    return gekuerzt;
}

} // namespace

QString TextZuLangMeldung() {
    return QCoreApplication::translate("Textgrenze",
                                       "The text is too long: only its first %1 characters are "
                                       "kept.")
        .arg(kGrenze);
}

void TextgrenzeSetzen(QLineEdit* feld, std::function<void()> zuLang) {
    feld->setMaxLength(kGrenze);
    // Sent when a key or a paste would go beyond the maximum length (the paste is cut).
    QObject::connect(feld, &QLineEdit::inputRejected, feld, [feld, zuLang] {
        if (feld->text().size() >= kGrenze) {
            zuLang();
        }
    });
}

void TextgrenzeSetzen(QPlainTextEdit* memo, std::function<void()> zuLang) {
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, zuLang] {
        if (ZeilenKuerzen(memo)) {
            zuLang();
        }
    });
}

} // namespace trv
