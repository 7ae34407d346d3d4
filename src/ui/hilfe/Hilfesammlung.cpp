#include "ui/hilfe/Hilfesammlung.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentItem>
#include <QHelpContentModel>
#include <QHelpEngine>

namespace trv {

QString Hilfesammlung::SpracheFuer(int sprachkennung) {
    // German identifiers: the primary language 0x07 in the low ten bits (1031, 2055, 3079, ...).
    return (sprachkennung & 0x3FF) == 0x07 ? QStringLiteral("de") : QStringLiteral("en");
}

QString Hilfesammlung::Dateiname(const QString& sprache) {
    return QStringLiteral("trv-hilfe-%1.qch").arg(sprache);
}

Hilfesammlung::Hilfesammlung(const QStringList& datenOrdner, const QString& cacheOrdner,
                             const QString& sprache)
    : sprache_(sprache) {
    QString datei;
    for (const QString& ordner : datenOrdner) {
        const QFileInfo info(QDir(ordner).filePath(Dateiname(sprache)));
        if (info.isFile() && info.isReadable()) {
            datei = info.absoluteFilePath();
            break;
        }
    }
    QDir().mkpath(cacheOrdner);
    engine_ = std::make_unique<QHelpEngine>(
        QDir(cacheOrdner).filePath(QStringLiteral("trv-hilfe-%1.qhc").arg(sprache)));
    // The collection lies in the user's cache: registering the help file writes to it.
    engine_->setReadOnly(false);
    if (datei.isEmpty()) {
        fehler_ = QCoreApplication::translate("Hilfe", "The help file %1 was not found.")
                      .arg(Dateiname(sprache));
        return;
    }
    if (!engine_->setupData()) {
        fehler_ = engine_->error();
        return;
    }
    // A collection made by an earlier installation may point to another file of the same name.
    const QString name = QHelpEngineCore::namespaceName(datei);
    if (name.isEmpty()) {
        fehler_ =
            QCoreApplication::translate("Hilfe", "The help file %1 cannot be read.").arg(datei);
        return;
    }
    const QString registriert = engine_->documentationFileName(name);
    if (!registriert.isEmpty() && QFileInfo(registriert) != QFileInfo(datei)) {
        engine_->unregisterDocumentation(name);
    }
    if (engine_->documentationFileName(name).isEmpty() && !engine_->registerDocumentation(datei)) {
        fehler_ = engine_->error();
    }
}

Hilfesammlung::~Hilfesammlung() = default;

QUrl Hilfesammlung::Startseite() const {
    QHelpContentModel* inhalt = engine_->contentModel();
    if (inhalt->rowCount() > 0) {
        if (QHelpContentItem* erstes = inhalt->contentItemAt(inhalt->index(0, 0))) {
            return erstes->url();
        }
    }
    const QStringList dokumente = engine_->registeredDocumentations();
    return dokumente.isEmpty()
               ? QUrl()
               : QUrl(QStringLiteral("qthelp://%1/doc/index.html").arg(dokumente.front()));
}

QUrl Hilfesammlung::Thema(const QString& kennung) const {
    const QList<QHelpLink> treffer = engine_->documentsForIdentifier(kennung);
    return treffer.isEmpty() ? QUrl() : treffer.front().url;
}

QList<QHelpLink> Hilfesammlung::Stichwort(const QString& wort) const {
    return engine_->documentsForKeyword(wort);
}

} // namespace trv
