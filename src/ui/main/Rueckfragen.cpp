#include "ui/main/Rueckfragen.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>

namespace trv {

namespace {

QString Titel() {
    return QApplication::applicationDisplayName();
}

std::optional<QString> DateiWaehlen(QWidget* eltern, const Dateidialog& d,
                                    QFileDialog::AcceptMode modus) {
    QFileDialog dialog(eltern, d.Titel);
    dialog.setAcceptMode(modus);
    dialog.setFileMode(modus == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog.setNameFilters(d.Filter);
    dialog.setDefaultSuffix(d.StandardEndung);
    if (!d.Vorschlag.isEmpty()) {
        const QFileInfo info(d.Vorschlag);
        if (info.isDir()) {
            dialog.setDirectory(d.Vorschlag);
        } else {
            if (!info.path().isEmpty() && info.path() != QStringLiteral(".")) {
                dialog.setDirectory(info.path());
            }
            dialog.selectFile(info.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

} // namespace

void DialogRueckfragen::Meldung(const QString& text) {
    QMessageBox::information(eltern_, Titel(), text);
}

bool DialogRueckfragen::JaNein(const QString& text) {
    return QMessageBox::question(eltern_, Titel(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

Antwort DialogRueckfragen::JaNeinAbbrechen(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, Titel(), text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, eltern_);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Antwort::Ja;
    case QMessageBox::No:
        return Antwort::Nein;
    default:
        return Antwort::Abbrechen;
    }
}

std::optional<QString> DialogRueckfragen::DateiZumOeffnen(const Dateidialog& dialog) {
    return DateiWaehlen(eltern_, dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogRueckfragen::DateiZumSpeichern(const Dateidialog& dialog) {
    return DateiWaehlen(eltern_, dialog, QFileDialog::AcceptSave);
}

bool DialogRueckfragen::DruckerEinrichten(QPrinter& drucker) {
    // The print dialog also serves the PDF printer ("Print to File"); a page set-up dialog
    // works on native printers only here.
    QPrintDialog dialog(&drucker, eltern_);
    dialog.setWindowTitle(QCoreApplication::translate("Rueckfragen", "Printer Setup"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

QString MitStandardEndung(const QString& datei, const QString& endung) {
    if (datei.isEmpty() || endung.isEmpty() || !QFileInfo(datei).suffix().isEmpty()) {
        return datei;
    }
    return datei + QLatin1Char('.') + endung;
}

} // namespace trv
