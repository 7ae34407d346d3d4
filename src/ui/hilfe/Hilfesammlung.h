#pragma once

#include <QHelpLink>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>

class QHelpEngine;

namespace trv {

// The program's help in one language: the compressed help file "trv-hilfe-<sprache>.qch" of
// the program's data folders, registered in a help collection of the user's cache folder
// (the collection and the search index must be writable; the installed files are not).
class Hilfesammlung {
public:
    // "de" for the German languages, "en" for every other: the help exists in these two.
    static QString SpracheFuer(int sprachkennung);

    // The file name of the compressed help of a language.
    static QString Dateiname(const QString& sprache);

    Hilfesammlung(const QStringList& datenOrdner, const QString& cacheOrdner,
                  const QString& sprache);
    ~Hilfesammlung();
    Hilfesammlung(const Hilfesammlung&) = delete;
    Hilfesammlung& operator=(const Hilfesammlung&) = delete;

    // True when the help file was found and registered; otherwise Fehler() says why.
    bool Bereit() const { return fehler_.isEmpty(); }
    const QString& Fehler() const { return fehler_; }
    const QString& Sprache() const { return sprache_; }

    QHelpEngine& Engine() { return *engine_; }

    // The first page of the contents.
    QUrl Startseite() const;
    // The page of a named topic ("MaskeBewehrung", ...); empty when there is none.
    QUrl Thema(const QString& kennung) const;
    // The pages listed under a keyword of the index.
    QList<QHelpLink> Stichwort(const QString& wort) const;

private:
    QString sprache_;
    std::unique_ptr<QHelpEngine> engine_;
    QString fehler_;
};

} // namespace trv
