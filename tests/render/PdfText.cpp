#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace trv::test {

namespace {

QString Ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess prozess;
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(30000) || prozess.exitStatus() != QProcess::NormalExit ||
        prozess.exitCode() != 0) {
        ADD_FAILURE() << programm.toStdString() << " failed or is not installed (poppler-utils): "
                      << prozess.errorString().toStdString();
        return {};
    }
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

} // namespace

PdfInfo PdfInfoLesen(const QString& pdf) {
    PdfInfo info;
    const QString text = Ausfuehren(QStringLiteral("pdfinfo"), {pdf});
    const auto seiten = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    if (seiten.hasMatch()) {
        info.Seiten = seiten.captured(1).toInt();
    }
    const auto groesse = QRegularExpression(QStringLiteral("Page size:\\s+(.*)")).match(text);
    if (groesse.hasMatch()) {
        info.Seitengroesse = groesse.captured(1).trimmed();
    }
    return info;
}

QString PdfTextLesen(const QString& pdf, int seite) {
    QStringList argumente{QStringLiteral("-layout")};
    if (seite > 0) {
        argumente << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l")
                  << QString::number(seite);
    }
    argumente << pdf << QStringLiteral("-");
    return Ausfuehren(QStringLiteral("pdftotext"), argumente);
}

QString PdfBoxenLesen(const QString& pdf) {
    return Ausfuehren(QStringLiteral("pdftotext"),
                      {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
}

} // namespace trv::test
