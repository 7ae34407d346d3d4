// Writes the printed manual from the help project: its pages in the order of the help's table of
// contents, after a title page and a list of contents with page numbers, on A4 with a page
// number under every page.
// usage: trv_handbuch HELP.qhp OUT.pdf

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>

#include <cstdio>
#include <optional>

namespace {

struct Abschnitt {
    QString Titel;
    QString Datei; // page file without an anchor
    int Tiefe = 0; // 0 for a chapter
};

struct Hilfeprojekt {
    QString Titel = QStringLiteral("Varnel - TRV / ZEDE Shear Connectors");
    QList<Abschnitt> Inhalt; // in reading order
    QStringList Seiten;      // every page once, in reading order
};

std::optional<Hilfeprojekt> ProjektLesen(const QString& pfad, QString& fehler) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        fehler = datei.errorString();
        return std::nullopt;
    }
    Hilfeprojekt projekt;
    QXmlStreamReader xml(&datei);
    int tiefe = -1;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("section")) {
            ++tiefe;
            const QString datei = xml.attributes()
                                      .value(QLatin1String("ref"))
                                      .toString()
                                      .section(QLatin1Char('#'), 0, 0);
            const QString titel = xml.attributes().value(QLatin1String("title")).toString();
            projekt.Inhalt.append({titel, datei, tiefe});
            if (!datei.isEmpty() && !projekt.Seiten.contains(datei)) {
                projekt.Seiten.append(datei);
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("section")) {
            --tiefe;
        }
    }
    if (xml.hasError()) {
        fehler = xml.errorString();
        return std::nullopt;
    }
    if (projekt.Seiten.isEmpty()) {
        fehler = QStringLiteral("the table of contents lists no page");
        return std::nullopt;
    }
    return projekt;
}

// The body of a help page, its first heading starting a new page and carrying the page's
// anchor; links to other pages point to their anchors.
QString Seiteninhalt(const QString& html, const QString& datei) {
    static const QRegularExpression koerper(QStringLiteral("<body[^>]*>(.*)</body>"),
                                            QRegularExpression::DotMatchesEverythingOption |
                                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = koerper.match(html);
    QString inhalt = m.hasMatch() ? m.captured(1) : html;
    static const QRegularExpression h1(QStringLiteral("<h1([^>]*)>"),
                                       QRegularExpression::CaseInsensitiveOption);
    inhalt.replace(h1,
                   QStringLiteral("<h1 style=\"page-break-before: always\"\\1><a name=\"%1\"></a>")
                       .arg(datei));
    static const QRegularExpression verweis(QStringLiteral("href=\"([^\"#:]+\\.html)(#[^\"]*)?\""));
    inhalt.replace(verweis, QStringLiteral("href=\"#\\1\""));
    return inhalt;
}

// The page (from 0) on which the anchor of each page file stands.
QHash<QString, int> SeitenDerAnker(const QTextDocument& dok) {
    QHash<QString, int> seiten;
    const qreal hoehe = dok.pageSize().height();
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            for (const QString& anker : it.fragment().charFormat().anchorNames()) {
                const QRectF r = dok.documentLayout()->blockBoundingRect(b);
                seiten.insert(anker, static_cast<int>(r.top() / hoehe));
            }
        }
    }
    return seiten;
}

QString Dokument(const Hilfeprojekt& projekt, const QHash<QString, int>& seiten,
                 const QStringList& inhalte) {
    QString html = QStringLiteral("<html><body>");
    html +=
        QStringLiteral("<p style=\"margin-top: 220px\" align=\"center\"><span style=\"font-size: "
                       "26pt; font-weight: bold\">%1</span></p>"
                       "<p align=\"center\"><span style=\"font-size: 16pt\">Manual</span></p>")
            .arg(projekt.Titel.toHtmlEscaped());
    html +=
        QStringLiteral("<h2 style=\"page-break-before: always\">Contents</h2><table width=\"100%\" "
                       "cellpadding=\"2\">");
    for (const Abschnitt& a : projekt.Inhalt) {
        if (a.Tiefe > 1) {
            continue;
        }
        const int seite = seiten.value(a.Datei, -1) + 1;
        const QString einzug =
            a.Tiefe == 0 ? QString() : QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;");
        const QString titel = a.Tiefe == 0
                                  ? QStringLiteral("<b>%1</b>").arg(a.Titel.toHtmlEscaped())
                                  : a.Titel.toHtmlEscaped();
        html +=
            QStringLiteral("<tr><td>%1<a href=\"#%2\">%3</a></td><td align=\"right\">%4</td></tr>")
                .arg(einzug, a.Datei, titel, seite > 0 ? QString::number(seite) : QString());
    }
    html += QStringLiteral("</table>");
    for (const QString& inhalt : inhalte) {
        html += inhalt;
    }
    html += QStringLiteral("</body></html>");
    return html;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: trv_handbuch HELP.qhp OUT.pdf\n");
        return 64;
    }
    const QString qhp = QString::fromLocal8Bit(argv[1]);
    QString fehler;
    const std::optional<Hilfeprojekt> projekt = ProjektLesen(qhp, fehler);
    if (!projekt) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(fehler));
        return 1;
    }
    QStringList inhalte;
    for (const QString& seite : projekt->Seiten) {
        QFile datei(QFileInfo(qhp).dir().filePath(seite));
        if (!datei.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(datei.fileName()),
                         qPrintable(datei.errorString()));
            return 1;
        }
        inhalte.append(Seiteninhalt(QString::fromUtf8(datei.readAll()), seite));
    }

    QSaveFile ziel(QString::fromLocal8Bit(argv[2]));
    if (!ziel.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(ziel.errorString()));
        return 1;
    }
    QPdfWriter pdf(&ziel);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(96);
    pdf.setTitle(projekt->Titel + QStringLiteral(" - Manual"));
    pdf.setCreator(projekt->Titel);
    const QSizeF blatt = pdf.pageLayout().fullRectPixels(96).size();
    const qreal rand = 96 * 2 / 2.54; // 2 cm
    const QSizeF satz(blatt.width() - 2 * rand, blatt.height() - 2 * rand - 24);

    QTextDocument dok;
    dok.documentLayout()->setPaintDevice(&pdf);
    dok.setPageSize(satz);
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPointSizeF(10);
    dok.setDefaultFont(schrift);
    // The page numbers of the contents shift the pages they count; lay out until they hold.
    QHash<QString, int> seiten;
    for (int runde = 0; runde < 4; ++runde) {
        dok.setHtml(Dokument(*projekt, seiten, inhalte));
        const QHash<QString, int> neu = SeitenDerAnker(dok);
        if (neu == seiten) {
            break;
        }
        seiten = neu;
    }

    QPainter maler(&pdf);
    QFont fuss = schrift;
    fuss.setPointSizeF(8);
    for (int seite = 0; seite < dok.pageCount(); ++seite) {
        if (seite > 0) {
            pdf.newPage();
        }
        maler.save();
        maler.translate(rand, rand - seite * satz.height());
        dok.drawContents(&maler, QRectF(QPointF(0, seite * satz.height()), satz));
        maler.restore();
        if (seite > 0) {
            maler.setFont(fuss);
            const QRectF zeile(rand, blatt.height() - rand, satz.width(), 16);
            maler.drawText(zeile, Qt::AlignLeft | Qt::AlignVCenter,
                           projekt->Titel + QStringLiteral(" - Manual"));
            maler.drawText(zeile, Qt::AlignRight | Qt::AlignVCenter, QString::number(seite + 1));
        }
    }
    if (!maler.end() || !ziel.commit()) {
        std::fprintf(stderr, "%s: the manual could not be written\n", argv[2]);
        return 1;
    }
    return 0;
}
