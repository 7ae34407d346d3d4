#include "printing/Blattabschnitte.h"

#include "calculation/Anordnung.h"
#include "calculation/Katalog.h"
#include "files/Ressourcen.h"
#include "model/Modell.h"
#include "model/Zahlen.h"
#include "printing/Druckbilder.h"
#include "printing/Ergebniszeile.h"
#include "printing/Seitenmasse.h"
#include "sketches/Texte.h"

#include <QPainter>

#include <algorithm>

namespace trv {

namespace {

QString Text(int nr) {
    return QString::fromStdString(Ressource(nr));
}

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Greek letters and signs as the "Symbol" font shows them.
QString Sym(const char* zeichen) {
    return SymbolText(zeichen);
}

const QString Gleich = QStringLiteral("=");

Ergebnissymbol Symbol(const QString& haupt, const QString& index = {}) {
    return Ergebnissymbol{haupt, index, QString(), Gleich};
}

double Anteil(double last, double widerstand) {
    // A resistance of 0 (an uncalculated type) has no usage to show.
    return widerstand != 0 ? last / widerstand * 100 : 0;
}

} // namespace

Blattabschnitte::Blattabschnitte(QPainter& canvas, const Seitenmasse& masse,
                                 const TKAnwendung& anwendung, const TKTextlisten& texte,
                                 char dezimaltrenner, int bildschirmDpi)
    : canvas_(canvas), masse_(masse), anwendung_(anwendung), texte_(texte),
      dezimaltrenner_(dezimaltrenner), bildschirmDpi_(bildschirmDpi) {}

QString Blattabschnitte::Zahl(double wert, int dezimalen) const {
    return QString::fromStdString(ZahlGerundet(wert, dezimalen, dezimaltrenner_));
}

int Blattabschnitte::Zeile(int x, int y, const QString& label, const Ergebnissymbol& symbol,
                           const QString& wert, const QString& einheit) {
    return ErgebnisZeile(canvas_, label, wert, dv_, ds_, y, x, symbol, einheit);
}

int Blattabschnitte::Abstand() const {
    return TextBreite(canvas_, QStringLiteral(" "));
}

int Blattabschnitte::Symbolspalte(int ds, std::initializer_list<int> labels) const {
    // The sheet's columns are made for the English labels; other languages have longer ones.
    int breitest = 0;
    for (int nr : labels) {
        breitest = std::max(breitest, TextBreite(canvas_, Text(nr)));
    }
    return std::max(ds, breitest + Abstand());
}

int Blattabschnitte::MitIndex(int x, int y, const QString& text, const QString& index) {
    return TextMitIndex(canvas_, x, y, index, text);
}

int Blattabschnitte::EingabeZeichnen(QPoint ursprung, int ds, int dv) {
    dv_ = dv;
    const int x = ursprung.x();
    const int Z = masse_.Zeile10();
    const TKGeometrie& g = anwendung_.Geometrie();
    const int fall = anwendung_.Anwendungsfall();
    const QString mm = QStringLiteral("mm");
    const int guete = anwendung_.Betonguete();

    canvas_.setFont(DruckSchrift(9, false, true, true));
    int y = ursprung.y();
    TextOben(canvas_, x, y, Text(res::BlattEingabe));
    canvas_.setFont(DruckSchrift(9));
    ds_ = Symbolspalte(ds, {res::BlattBetonguete, res::BlattPlattenDicke, res::BlattWandDicke,
                            res::BlattDeckungOben, res::BlattDeckungUnten, res::BlattDeckungVorn,
                            res::BlattFugenbreite, res::BlattFugenlaenge, res::BlattRandabstand});
    y += Z;
    TextOben(canvas_, x, y,
             Text(anwendung_.BewehrungCalc() == 1 ? res::BlattVerstaerkungOptimal
                                                  : res::BlattVerstaerkungMaximal));
    y += Z;
    const QString gueteName =
        QString::fromStdString(TKTextlisten::Text(texte_.Betongueten(), guete));
    Zeile(x, y, Text(res::BlattBetonguete), Ergebnissymbol{gueteName, {}, {}, {}}, {}, {});
    y += Z;
    Zeile(x, y, {}, Symbol(QStringLiteral("f"), QStringLiteral("ck,cyl")),
          QString::fromStdString(TKTextlisten::Text(texte_.Betonfestigkeiten(), guete)), {});
    y += Z;
    Zeile(x, y, Text(res::BlattPlattenDicke), Symbol(QStringLiteral("d")), Zahl(g.PlatteDicke(), 0),
          mm);
    if (fall == 2) {
        y += Z;
        Zeile(x, y, Text(res::BlattWandDicke), Symbol(QStringLiteral("d"), QStringLiteral("w")),
              Zahl(g.WandDicke(), 0), mm);
    }
    y += Z;
    Zeile(x, y, Text(res::BlattDeckungOben), Symbol(QStringLiteral("c"), QStringLiteral("o")),
          Zahl(g.BetondeckungOben(), 0), mm);
    y += Z;
    Zeile(x, y, Text(res::BlattDeckungUnten), Symbol(QStringLiteral("c"), QStringLiteral("u")),
          Zahl(g.BetondeckungUnten(), 0), mm);
    y += Z;
    Zeile(x, y, Text(res::BlattDeckungVorn), Symbol(QStringLiteral("c"), QStringLiteral("1")),
          Zahl(g.BetondeckungVorn(), 0), mm);
    y += 2 * Z;
    Zeile(x, y, Text(res::BlattFugenbreite),
          Ergebnissymbol{QStringLiteral("f"), {}, {}, Sym("\xA3")},
          Zahl(10.0 * g.Fugenbreite(), 15), mm);
    if (fall != 0) {
        y += Z;
        Zeile(x, y, Text(res::BlattFugenlaenge), Symbol(QStringLiteral("l"), QStringLiteral("f")),
              Zahl(g.Fugenlaenge(), 0), mm);
    } else {
        y += Z;
        Zeile(x, y, Text(res::BlattRandabstand), Symbol(QStringLiteral("c"), QStringLiteral("L")),
              Zahl(g.BauteilRandLinks(), 0), mm);
        y += Z;
        Zeile(x, y, {}, Symbol(QStringLiteral("c"), QStringLiteral("R")),
              Zahl(g.BauteilRandRechts(), 0), mm);
    }
    return y + Z;
}

int Blattabschnitte::LastSatz(int x, int y, const TKLast& last, const QString& s,
                              const QString& seite, const QString& einheit, bool mitLabel,
                              int* ende) {
    const int Z = masse_.Zeile10();
    const auto label = [&](int nr) { return mitLabel ? Text(nr) : QString(); };
    const QString gamma = Sym("g");
    int rechts = 0;
    const auto zeile = [&](int nr, const Ergebnissymbol& symbol, const QString& wert,
                           const QString& e) {
        rechts = std::max(rechts, Zeile(x, y, label(nr), symbol, wert, e));
    };
    zeile(res::BlattEigenlast, Symbol(s, "g" + seite), Zahl(last.Gk(), 1), einheit);
    y += Z;
    zeile(res::BlattTeilsicherheit, Symbol(gamma, QStringLiteral("g")), Zahl(last.gg(), 2), {});
    y += Z;
    zeile(res::BlattVerkehrslast, Symbol(s, "q" + seite), Zahl(last.Qk(), 1), einheit);
    y += Z;
    zeile(res::BlattTeilsicherheit, Symbol(gamma, QStringLiteral("q")), Zahl(last.gq(), 2), {});
    y += Z;
    zeile(res::BlattZusatzlast, Symbol(s, "d" + seite), Zahl(last.F1(), 1), einheit);
    if (ende != nullptr) {
        *ende = rechts;
    }
    return y;
}

void Blattabschnitte::GesamtlastFormel(int x, int y, const QString& s, const QString& seite,
                                       bool gleichInSpalte) {
    const QString malGamma = Sym(" \xD7 g");
    int px = MitIndex(x + ds_, y, s, "Ed" + seite);
    px = gleichInSpalte ? TextOben(canvas_, x + ds_ + dv_, y, QStringLiteral("=  "))
                        : TextOben(canvas_, px, y, QStringLiteral("  =  "));
    px = MitIndex(px, y, s, "g" + seite);
    px = MitIndex(px, y, malGamma, QStringLiteral("g"));
    px = MitIndex(px, y, " + " + s, "q" + seite);
    px = MitIndex(px, y, malGamma, QStringLiteral("q"));
    MitIndex(px, y, " + " + s, "d" + seite);
}

int Blattabschnitte::Bruch(int x, int y, bool mitLabel) {
    const int Z = masse_.Zeile10();
    const QString F = QStringLiteral("F");
    int sx = x;
    if (mitLabel) {
        TextOben(canvas_, x, y, Text(res::BlattDuebellast));
        sx = x + ds_;
    }
    const int o =
        TextOben(canvas_, MitIndex(sx, y, F, Text(res::IndexSdIst)), y, QStringLiteral("  =  "));
    const int breite = TextBreite(canvas_, F + Text(res::IndexSdTot));
    const int balken = y + Z / 2;
    canvas_.drawLine(o, balken, o + breite, balken);
    MitIndex(o, y - Z / 2, F, Text(res::IndexSdTot));
    MitIndex(o + (breite - TextBreite(canvas_, QStringLiteral("nD"))) / 2, balken,
             QStringLiteral("n"), QStringLiteral("D"));
    const int rechts = o + breite + TextBreite(canvas_, QStringLiteral("     "));
    TextOben(canvas_, MitIndex(rechts, y, QStringLiteral("n"), QStringLiteral("D")), y,
             " = " + Text(res::BlattAnzahlDuebel));
    return balken;
}

int Blattabschnitte::GesamtlastWert(int x, int y) {
    const double gesamt =
        GesamtlastReihe(anwendung_.BelastungDesign(), anwendung_.Geometrie().Fugenlaenge());
    return TextOben(canvas_, x, y, "  =  " + Zahl(gesamt, 1) + QStringLiteral(" kN"));
}

void Blattabschnitte::GesamtlastZeile(int x, int y) {
    GesamtlastWert(MitIndex(x, y, QStringLiteral("F"), Text(res::IndexSdTot)), y);
}

int Blattabschnitte::Einzellast(int x, int y) {
    const int Z = masse_.Zeile10();
    const TKLast& last = anwendung_.BelastungDesign().Punktlast();
    const QString V = QStringLiteral("V");
    const QString kN = QStringLiteral("kN");
    y = LastSatz(x, y + Z, last, V, {}, kN, true);
    y += 3 * Z / 2;
    TextOben(canvas_, x, y, Text(res::BlattGesamtlast));
    GesamtlastFormel(x, y, V, {}, true);
    y += Z;
    Zeile(x, y, {}, Symbol(V, QStringLiteral("Ed")), Zahl(last.Fd(), 1), kN);
    y += 3 * Z / 2;
    TextOben(canvas_, x, y, Text(res::BlattDuebellast));
    const int px = MitIndex(x + ds_, y, QStringLiteral("F"), Text(res::IndexSdIst));
    MitIndex(TextOben(canvas_, px, y, QStringLiteral("  =  ")), y, V, QStringLiteral("Ed"));
    return y + 2 * Z;
}

int Blattabschnitte::Linienlast(int x, int y) {
    const int Z = masse_.Zeile10();
    const TKLast& last = anwendung_.BelastungDesign().LinienLastLinks();
    const QString q = QStringLiteral("q");
    const QString kNm = QStringLiteral("kN/m");
    y = LastSatz(x, y + Z, last, q, {}, kNm, true);
    y += 3 * Z / 2;
    TextOben(canvas_, x, y, Text(res::BlattGesamtlast));
    GesamtlastFormel(x, y, q, {}, true);
    y += Z;
    Zeile(x, y, {}, Symbol(q, QStringLiteral("Ed")), Zahl(last.Fd(), 1), kNm);
    y += 2 * Z;
    Bruch(x, y, true);
    y += 3 * Z / 2;
    int px = TextOben(canvas_, x + ds_, y, Text(res::BlattMit) + " F");
    px = TextTiefgestellt(canvas_, px, y, Text(res::IndexSdTot));
    px = MitIndex(TextOben(canvas_, px, y, QStringLiteral("  =  ")), y, QStringLiteral("l"),
                  QStringLiteral("f"));
    // The value too, so that the step to the connector load can be checked on paper.
    GesamtlastWert(MitIndex(TextOben(canvas_, px, y, Sym(" \xD7 ")), y, q, QStringLiteral("Ed")),
                   y);
    return y + 2 * Z;
}

int Blattabschnitte::Trapezlast(int x, int y) {
    const int Z = masse_.Zeile10();
    const TKBelastung& b = anwendung_.BelastungDesign();
    const QString q = QStringLiteral("q");
    const QString kNm = QStringLiteral("kN/m");
    const int oben = y + Z;
    int links = 0;
    y = LastSatz(x, oben, b.LinienLastLinks(), q, QStringLiteral(",L"), kNm, true, &links);
    y += 3 * Z / 2;
    TextOben(canvas_, x, y, Text(res::BlattGesamtlast));
    GesamtlastFormel(x, y, q, QStringLiteral(",L"), false);
    y += Z;
    GesamtlastFormel(x, y, q, QStringLiteral(",R"), false);
    y += Z;
    links = std::max(links, Zeile(x, y, {}, Symbol(q, QStringLiteral("Ed,L")),
                                  Zahl(b.LinienLastLinks().Fd(), 1), kNm));
    // The right-hand values stand where the English sheet has them, unless longer labels
    // pushed the left-hand ones into that place; then they follow them.
    const int rechts =
        std::max(x + masse_.CmNachPixelX(2.75) - (ds_ - dsVorgabe_), links + Abstand() - ds_);
    LastSatz(rechts, oben, b.LinienLastRechts(), q, QStringLiteral(",R"), kNm, false);
    Zeile(rechts, y, {}, Symbol(q, QStringLiteral("Ed,R")), Zahl(b.LinienLastRechts().Fd(), 1),
          kNm);
    y += 2 * Z;
    Bruch(x, y, true);
    y += 2 * Z;
    int px = MitIndex(x + ds_, y, QStringLiteral("F"), Text(res::IndexSdTot));
    px = MitIndex(TextOben(canvas_, px, y, QStringLiteral("  =  ")), y, QStringLiteral("l"),
                  QStringLiteral("f"));
    // (q_Ed,L + q_Ed,R) over 2, the numerator half a line up, the bar half a line down.
    const int anfang = TextOben(canvas_, px, y, Sym(" \xD7 "));
    int ende = MitIndex(anfang, y - Z / 2, q, QStringLiteral("Ed,L"));
    ende = MitIndex(TextOben(canvas_, ende, y - Z / 2, QStringLiteral(" + ")), y - Z / 2, q,
                    QStringLiteral("Ed,R"));
    const int balken = y + Z / 2;
    canvas_.drawLine(anfang, balken, ende, balken);
    const QString zwei = QStringLiteral("2");
    TextOben(canvas_, anfang + (ende - anfang - TextBreite(canvas_, zwei)) / 2, balken, zwei);
    GesamtlastWert(ende, y);
    return balken + 2 * Z;
}

int Blattabschnitte::BeliebigeLast(int x, int y, bool fortsetzung) {
    const int Z = masse_.Zeile10();
    const QString gesamt = Text(res::BlattGesamtlast);
    if (!fortsetzung) {
        y += Z;
        Zeile(x, y, gesamt, Ergebnissymbol{Text(res::BlattNaechsteSeite), {}, {}, {}}, {}, {});
        y += Z;
        const int hoehe =
            BildSkaliertZeichnen(canvas_, masse_, bildschirmDpi_, FormelBeliebigeLast, x, y);
        // The sum's value right under the picture, then the fraction.
        y += hoehe + Z / 2;
        GesamtlastZeile(x, y);
        return Bruch(x, y + Z + Z / 2, false) + 2 * Z;
    }
    const TKBelastung& b = anwendung_.BelastungDesign();
    const int rechts = x + masse_.CmNachPixelX(2.5);
    const QString q = QStringLiteral("q");
    const QString kNm = QStringLiteral("kN/m");
    for (int i = 0; i < b.AnzPunkte(); ++i) {
        y += Z;
        const TKPunkt p = b.GetPunkt(i);
        Zeile(x, y, i == 0 ? gesamt : QString(), Symbol(QStringLiteral("x")),
              Zahl(RundeGerade(p.x / 10) / 100, 15), QStringLiteral("m"));
        Zeile(rechts, y, {}, Symbol(q, QStringLiteral("Ed")), Zahl(p.y, 1), kNm);
    }
    // An empty profile still has its label; a load without a place would read as a constant
    // one, so the list ends with its last point.
    if (b.AnzPunkte() == 0) {
        y += Z;
        TextOben(canvas_, x, y, gesamt);
    }
    y += Z;
    const int hoehe =
        BildSkaliertZeichnen(canvas_, masse_, bildschirmDpi_, FormelBeliebigeLast, x, y);
    y += hoehe + Z / 2;
    GesamtlastZeile(x, y);
    return y + 2 * Z;
}

int Blattabschnitte::LastenZeichnen(QPoint ursprung, int ds, bool fortsetzung, int dv) {
    dv_ = dv;
    // A varying line load bears the name of its load case: it is not a uniform one.
    static constexpr int Titel[] = {res::BlattLastEinzel, res::BlattLastLinie, res::LastfallLinear,
                                    res::BlattLastBeliebig};
    const int fall = std::min<int>(anwendung_.BelastungDesign().Belastungsfall(), 3);
    canvas_.setFont(DruckSchrift(9, false, true, true));
    TextOben(canvas_, ursprung.x(), ursprung.y(), Text(Titel[fall]));
    canvas_.setFont(DruckSchrift(9));
    canvas_.setPen(masse_.Stift());
    dsVorgabe_ = ds;
    ds_ = Symbolspalte(ds, {res::BlattEigenlast, res::BlattTeilsicherheit, res::BlattVerkehrslast,
                            res::BlattZusatzlast, res::BlattGesamtlast, res::BlattDuebellast});
    switch (fall) {
    case 0:
        return Einzellast(ursprung.x(), ursprung.y());
    case 1:
        return Linienlast(ursprung.x(), ursprung.y());
    case 2:
        return Trapezlast(ursprung.x(), ursprung.y());
    default:
        return BeliebigeLast(ursprung.x(), ursprung.y(), fortsetzung);
    }
}

int Blattabschnitte::ErgebnisseZeichnen(QPoint ursprung, int ds, int rechteSpalte, int dv) {
    dv_ = dv;
    const TKErgebnisse& erg = anwendung_.Ergebnisse();
    const int typ = erg.AktDorn();
    const TKDornErgebnis& d = erg.DornErgebnis(typ);
    const int anzahl = erg.GetAnzDorn(typ);
    const int Z = masse_.Zeile10();
    const int Z14 = masse_.Zeile14();
    const int x = ursprung.x();
    const QString mm = QStringLiteral("mm");
    const QString mm2 = Q("mm²");
    const QString kN = QStringLiteral("kN");
    const QString prozent = QStringLiteral("%");
    const QString A = QStringLiteral("A");
    const QString F = QStringLiteral("F");
    const QString eta = Sym("h");

    int y = ursprung.y();
    canvas_.setFont(DruckSchrift(12, true));
    TextOben(canvas_, x, y,
             Text(res::BlattGewaehlt) + ": " + QString::number(anzahl) + " * " +
                 QString::fromStdString(DornName(typ)));
    y += 2 * masse_.Zeile12();
    canvas_.setFont(DruckSchrift(9, false, true, true));
    TextOben(canvas_, x, y, Text(res::BlattErgebnisse));
    canvas_.setFont(DruckSchrift(9));
    const int erste = y + Z;
    ds_ = Symbolspalte(ds, {res::BlattAsyIst, res::BlattAsyErf, res::BlattAsxIst, res::BlattAsxErf,
                            res::BlattBereichY, res::BlattBereichX, res::BlattRandIst,
                            res::BlattRandMin, res::BlattAbstandIst, res::BlattAbstandMin});

    int yl = erste;
    // The right column starts where the longest left line leaves room for it.
    int links = 0;
    const auto Links = [&](const QString& label, const Ergebnissymbol& symbol, const QString& wert,
                           const QString& einheit) {
        links = std::max(links, Zeile(x, yl, label, symbol, wert, einheit));
    };
    Links(Text(res::BlattAsyIst), Symbol(A, QStringLiteral("sy")), Zahl(d.AsyIst(), 0), mm2);
    yl += Z;
    Links(Text(res::BlattAsyErf), Symbol(A, Text(res::IndexSyErf)), Zahl(d.AsyErf(), 0), mm2);
    yl += Z;
    Links(Text(res::BlattAsxIst), Symbol(A, QStringLiteral("sx")), Zahl(d.AsxIst(), 0), mm2);
    yl += Z;
    Links(Text(res::BlattAsxErf), Symbol(A, Text(res::IndexSxErf)), Zahl(d.AsxErf(), 0), mm2);
    yl += Z14;
    Links(Text(res::BlattBereichY), Symbol(QStringLiteral("b"), QStringLiteral("y")),
          Zahl(erg.DornDaten(typ).BreiteBewY(), 0), mm);
    yl += Z;
    Links(Text(res::BlattBereichX), Symbol(QStringLiteral("b"), QStringLiteral("x")),
          Zahl(d.bx(), 0), mm);
    yl += Z14;
    Links(Text(res::BlattRandIst), Symbol(QStringLiteral("c"), Text(res::IndexIst)),
          Zahl(std::min(d.AbstandLinks(), d.AbstandRechts()), 0), mm);
    yl += Z;
    Links(Text(res::BlattRandMin), Symbol(QStringLiteral("c"), QStringLiteral("min")),
          Zahl(d.ZulMinRand(), 0), mm);
    yl += Z14;
    if (anwendung_.Anwendungsfall() != 0 && anzahl > 1) {
        Links(Text(res::BlattAbstandIst), Symbol(QStringLiteral("e"), Text(res::IndexIst)),
              Zahl(d.IstMinAchs(), 0), mm);
        yl += Z;
        Links(Text(res::BlattAbstandMin), Symbol(QStringLiteral("e"), QStringLiteral("min")),
              Zahl(d.ZulMinAchs(), 0), mm);
        yl += Z;
    }

    const int xr = std::max(x + rechteSpalte, links + Abstand());
    ds_ = Symbolspalte(ds, {res::BlattDuebellast, res::BlattTragfaehigkeit, res::BlattAusnutzung,
                            res::BlattWiderstandBeton, res::BlattAusnutzungBeton,
                            res::BlattWiderstandStahl, res::BlattAusnutzungStahl,
                            res::BlattWiderstandBewehrung, res::BlattAusnutzungBewehrung});
    int yr = erste;
    Zeile(xr, yr, Text(res::BlattDuebellast), Symbol(F, Text(res::IndexSdIst)), Zahl(d.FSdIst(), 1),
          kN);
    yr += Z;
    Zeile(xr, yr, Text(res::BlattTragfaehigkeit), Symbol(F, QStringLiteral("Rd")), Zahl(d.FRd(), 1),
          kN);
    yr += Z;
    Zeile(xr, yr, Text(res::BlattAusnutzung), Symbol(eta),
          Zahl(RundeGerade(d.EtaQ() * 1000) / 10, 15), prozent);
    yr += Z14;
    Zeile(xr, yr, Text(res::BlattWiderstandBeton), Symbol(F, QStringLiteral("Rd,c")),
          Zahl(d.FRdBeton(), 1), kN);
    yr += Z;
    Zeile(xr, yr, Text(res::BlattAusnutzungBeton), Symbol(eta, QStringLiteral("c")),
          Zahl(Anteil(d.FSdIst(), d.FRdBeton()), 1), prozent);
    yr += Z14;
    Zeile(xr, yr, Text(res::BlattWiderstandStahl), Symbol(F, QStringLiteral("Rd,s")),
          Zahl(d.FRdStahl(), 1), kN);
    yr += Z;
    Zeile(xr, yr, Text(res::BlattAusnutzungStahl), Symbol(eta, QStringLiteral("s")),
          Zahl(Anteil(d.FSdIst(), d.FRdStahl()), 1), prozent);
    yr += Z14;
    Zeile(xr, yr, Text(res::BlattWiderstandBewehrung), Symbol(F, QStringLiteral("Rd,re")),
          Zahl(d.FRdBewehrung(), 1), kN);
    yr += Z;
    Zeile(xr, yr, Text(res::BlattAusnutzungBewehrung), Symbol(eta, QStringLiteral("re")),
          Zahl(Anteil(d.FSdIst(), d.FRdBewehrung()), 1), prozent);

    return std::max(yl + Z14, yr + Z14) + 2 * Z;
}

} // namespace trv
