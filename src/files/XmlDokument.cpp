#include "files/XmlDokument.h"

#include "files/AtomareDatei.h"

#include <libxml/SAX2.h>
#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlsave.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <new>

namespace trv::xml {

namespace {

const xmlChar* X(const std::string& s) {
    return reinterpret_cast<const xmlChar*>(s.c_str());
}

std::string S(const xmlChar* s) {
    return s ? std::string(reinterpret_cast<const char*>(s)) : std::string();
}

struct XmlFrei {
    void operator()(xmlChar* p) const { xmlFree(p); }
};
struct ParserFrei {
    void operator()(xmlParserCtxt* c) const { xmlFreeParserCtxt(c); }
};

bool IstElement(const xmlNode* n) {
    return n->type == XML_ELEMENT_NODE;
}

// Whether code point c may appear in an XML 1.0 document.
bool XmlZeichen(std::uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// The text with every byte sequence that is not valid UTF-8, and every character XML 1.0 does
// not allow, replaced by U+FFFD.
std::string XmlTauglich(const std::string& text) {
    static constexpr char kErsatz[] = "\xEF\xBF\xBD";
    std::string aus;
    aus.reserve(text.size());
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        std::size_t laenge = 0;
        std::uint32_t c = 0;
        std::uint32_t min = 0;
        if (b < 0x80) {
            laenge = 1;
            c = b;
        } else if ((b & 0xE0) == 0xC0) {
            laenge = 2;
            c = b & 0x1F;
            min = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            laenge = 3;
            c = b & 0x0F;
            min = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            laenge = 4;
            c = b & 0x07;
            min = 0x10000;
        }
        bool gut = laenge > 0 && i + laenge <= n;
        for (std::size_t k = 1; gut && k < laenge; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) {
                gut = false;
            } else {
                c = (c << 6) | (p[i + k] & 0x3F);
            }
        }
        gut = gut && c >= min && XmlZeichen(c);
        if (gut) {
            aus.append(text, i, laenge);
            i += laenge;
        } else {
            aus += kErsatz;
            ++i;
        }
    }
    return aus;
}

// A document type declaration is never part of a project file; it is the door to external
// entities and entity expansion, so the parser stops at once when it meets one.
void DtdAbweisen(void* ctx, const xmlChar* name, const xmlChar* externalId,
                 const xmlChar* systemId) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(ctx);
    xmlSAX2InternalSubset(ctx, name, externalId, systemId); // marks the document as refused
    xmlStopParser(ctxt);
}

// Parser messages are not printed; the caller gets the reason instead.
void StillerFehler(void*, xmlErrorPtr) {}

// Walks the tree without recursion and checks the limits of TKDokument.
std::string GrenzenPruefen(xmlNode* wurzel) {
    std::size_t tiefe = 1;
    xmlNode* n = wurzel;
    while (n) {
        if (n->type == XML_TEXT_NODE && n->content &&
            xmlStrlen(n->content) > static_cast<int>(TKDokument::MaxTextLaenge)) {
            return "text too long (line " + std::to_string(xmlGetLineNo(n)) + ")";
        }
        if (n->type == XML_ELEMENT_NODE && tiefe > TKDokument::MaxTiefe) {
            return "elements nested too deeply (line " + std::to_string(xmlGetLineNo(n)) + ")";
        }
        if (n->children && n->type == XML_ELEMENT_NODE) {
            ++tiefe;
            n = n->children;
            continue;
        }
        while (n && !n->next && n != wurzel) {
            n = n->parent;
            --tiefe;
        }
        if (!n || n == wurzel) {
            break;
        }
        n = n->next;
    }
    return {};
}

} // namespace

// --- TKElement ---------------------------------------------------------------

std::string TKElement::Name() const {
    return std::string(NameAnsicht());
}

std::string_view TKElement::NameAnsicht() const {
    return knoten_ && knoten_->name ? std::string_view(reinterpret_cast<const char*>(knoten_->name))
                                    : std::string_view();
}

TKElement TKElement::KindAnhaengen(const std::string& name) {
    if (!knoten_) {
        return TKElement();
    }
    return TKElement(xmlNewChild(knoten_, nullptr, X(name), nullptr));
}

TKElement TKElement::Kind(const std::string& name) const {
    if (!knoten_) {
        return TKElement();
    }
    for (xmlNode* k = knoten_->children; k; k = k->next) {
        if (IstElement(k) && xmlStrcmp(k->name, X(name)) == 0) {
            return TKElement(k);
        }
    }
    return TKElement();
}

TKElement TKElement::KindAn(std::size_t index) const {
    if (!knoten_) {
        return TKElement();
    }
    for (xmlNode* k = knoten_->children; k; k = k->next) {
        if (IstElement(k)) {
            if (index == 0) {
                return TKElement(k);
            }
            --index;
        }
    }
    return TKElement();
}

std::size_t TKElement::AnzahlKinder() const {
    std::size_t anzahl = 0;
    if (knoten_) {
        for (xmlNode* k = knoten_->children; k; k = k->next) {
            anzahl += IstElement(k) ? 1 : 0;
        }
    }
    return anzahl;
}

TKElement TKElement::NaechstesGeschwister() const {
    if (!knoten_) {
        return TKElement();
    }
    for (xmlNode* k = knoten_->next; k; k = k->next) {
        if (IstElement(k)) {
            return TKElement(k);
        }
    }
    return TKElement();
}

void TKElement::SetText(const std::string& text) {
    if (!knoten_) {
        return;
    }
    xmlNodeSetContent(knoten_, nullptr); // removes the old children
    const std::string sauber = XmlTauglich(text);
    if (!sauber.empty()) {
        // AddContent takes the text literally; SetContent would interpret "&...;" in it.
        xmlNodeAddContentLen(knoten_, X(sauber), static_cast<int>(sauber.size()));
    }
}

std::string TKElement::Text() const {
    std::string text;
    if (knoten_) {
        for (xmlNode* k = knoten_->children; k; k = k->next) {
            if ((k->type == XML_TEXT_NODE || k->type == XML_CDATA_SECTION_NODE) && k->content) {
                text += S(k->content);
            }
        }
    }
    return text;
}

void TKElement::SetAttribut(const std::string& name, const std::string& wert) {
    if (knoten_) {
        xmlSetProp(knoten_, X(name), X(XmlTauglich(wert)));
    }
}

std::optional<std::string> TKElement::Attribut(const std::string& name) const {
    if (!knoten_ || !xmlHasProp(knoten_, X(name))) {
        return std::nullopt;
    }
    std::unique_ptr<xmlChar, XmlFrei> wert(xmlGetNoNsProp(knoten_, X(name)));
    return S(wert.get());
}

// --- TKDokument --------------------------------------------------------------

void TKDokument::DokFrei::operator()(_xmlDoc* d) const {
    xmlFreeDoc(d);
}

TKDokument::TKDokument() : dok_(xmlNewDoc(BAD_CAST "1.0")) {
    if (!dok_) {
        throw std::bad_alloc();
    }
}

TKDokument::TKDokument(_xmlDoc* dok) : dok_(dok) {}
TKDokument::~TKDokument() = default;
TKDokument::TKDokument(TKDokument&&) noexcept = default;
TKDokument& TKDokument::operator=(TKDokument&&) noexcept = default;

namespace {

// No XML_PARSE_NOENT (entities stay unexpanded), no DTD loading or validation, no network,
// and no XML_PARSE_HUGE, so libxml2's limits on text size and depth stay in force.
// XML_PARSE_NOBLANKS drops the indentation between elements (half of all nodes of a project
// file); a text that is all blanks, the whole content of its element, is kept.
constexpr int kLeseOptionen = XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_NOERROR |
                              XML_PARSE_NOWARNING | XML_PARSE_NOXINCNODE | XML_PARSE_NOBLANKS;

int AusDateiLesen(void* kontext, char* puffer, int laenge) {
    auto* in = static_cast<std::ifstream*>(kontext);
    in->read(puffer, laenge);
    return in->bad() ? -1 : static_cast<int>(in->gcount());
}

int NichtsSchliessen(void*) {
    return 0;
}

struct Ausgabe {
    const DateiAusgabe* ziel;
    bool ok = true;
};

int InAusgabeSchreiben(void* kontext, const char* puffer, int laenge) {
    auto* a = static_cast<Ausgabe*>(kontext);
    a->ok = a->ok && (*a->ziel)(std::string_view(puffer, static_cast<std::size_t>(laenge)));
    return a->ok ? laenge : -1;
}

} // namespace

std::optional<TKDokument>
TKDokument::Parsen(const std::function<_xmlDoc*(_xmlParserCtxt*, int)>& lesen,
                   TKLadeFehler& fehler) {
    std::unique_ptr<xmlParserCtxt, ParserFrei> ctxt(xmlNewParserCtxt());
    if (!ctxt || !ctxt->sax) {
        fehler.Grund = "out of memory";
        return std::nullopt;
    }
    ctxt->sax->internalSubset = DtdAbweisen;
    ctxt->sax->serror = StillerFehler;
    std::unique_ptr<_xmlDoc, DokFrei> besitz(lesen(ctxt.get(), kLeseOptionen));
    if (besitz && (besitz->intSubset || besitz->extSubset)) {
        fehler.Grund = "document type declarations are not allowed";
        return std::nullopt;
    }
    if (!besitz || !ctxt->wellFormed || ctxt->errNo != XML_ERR_OK) {
        const xmlError* e = xmlCtxtGetLastError(ctxt.get());
        fehler.Grund = (e && e->message) ? std::string(e->message) : std::string("not well-formed");
        while (!fehler.Grund.empty() && fehler.Grund.back() == '\n') {
            fehler.Grund.pop_back();
        }
        if (e) {
            fehler.Grund += " (line " + std::to_string(e->line) + ")";
        }
        return std::nullopt;
    }
    if (!xmlDocGetRootElement(besitz.get())) {
        fehler.Grund = "no document element";
        return std::nullopt;
    }
    if (std::string grund = GrenzenPruefen(xmlDocGetRootElement(besitz.get())); !grund.empty()) {
        fehler.Grund = grund;
        return std::nullopt;
    }
    return TKDokument(besitz.release());
}

std::optional<TKDokument> TKDokument::AusText(std::string_view inhalt, TKLadeFehler& fehler) {
    if (inhalt.size() > MaxDateiGroesse ||
        inhalt.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        fehler.Grund = "file too large";
        return std::nullopt;
    }
    return Parsen(
        [inhalt](xmlParserCtxt* ctxt, int optionen) {
            return xmlCtxtReadMemory(ctxt, inhalt.data(), static_cast<int>(inhalt.size()), nullptr,
                                     nullptr, optionen);
        },
        fehler);
}

std::optional<TKDokument> TKDokument::Laden(const std::filesystem::path& datei,
                                            TKLadeFehler& fehler) {
    // The file is opened here and handed to the parser piece by piece, so the parser itself
    // opens nothing and a large project is never held twice in memory.
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(datei, ec);
    if (ec) {
        fehler.Grund = "cannot open the file: " + ec.message();
        return std::nullopt;
    }
    if (groesse > MaxDateiGroesse) {
        fehler.Grund = "file too large";
        return std::nullopt;
    }
    std::ifstream in(datei, std::ios::binary);
    if (!in) {
        fehler.Grund = "cannot open the file";
        return std::nullopt;
    }
    std::optional<TKDokument> dok = Parsen(
        [&in](xmlParserCtxt* ctxt, int optionen) {
            return xmlCtxtReadIO(ctxt, AusDateiLesen, NichtsSchliessen, &in, nullptr, nullptr,
                                 optionen);
        },
        fehler);
    if (in.bad()) {
        fehler.Grund = "cannot read the file";
        return std::nullopt;
    }
    return dok;
}

TKElement TKDokument::WurzelAnlegen(const std::string& name) {
    xmlNodePtr wurzel = xmlNewDocNode(dok_.get(), nullptr, X(name), nullptr);
    if (!wurzel) {
        throw std::bad_alloc();
    }
    xmlNodePtr alt = xmlDocSetRootElement(dok_.get(), wurzel);
    if (alt) {
        xmlFreeNode(alt);
    }
    return TKElement(wurzel);
}

TKElement TKDokument::Wurzel() const {
    return TKElement(xmlDocGetRootElement(dok_.get()));
}

std::string TKDokument::AlsText() const {
    xmlChar* puffer = nullptr;
    int laenge = 0;
    xmlDocDumpFormatMemoryEnc(dok_.get(), &puffer, &laenge, "UTF-8", 1);
    std::unique_ptr<xmlChar, XmlFrei> besitz(puffer);
    if (!puffer || laenge < 0) {
        throw std::bad_alloc();
    }
    return std::string(reinterpret_cast<const char*>(puffer), static_cast<std::size_t>(laenge));
}

bool TKDokument::Speichern(const std::filesystem::path& datei, std::string& fehler) const {
    return DateiAtomarErzeugen(
        datei,
        [this](const DateiAusgabe& ausgabe) {
            Ausgabe a{&ausgabe};
            xmlSaveCtxtPtr ctxt =
                xmlSaveToIO(InAusgabeSchreiben, NichtsSchliessen, &a, "UTF-8", XML_SAVE_FORMAT);
            if (!ctxt) {
                return false;
            }
            const long geschrieben = xmlSaveDoc(ctxt, dok_.get());
            // Closing flushes the last buffered bytes through the output.
            const int abgeschlossen = xmlSaveClose(ctxt);
            return a.ok && geschrieben >= 0 && abgeschlossen >= 0;
        },
        fehler);
}

} // namespace trv::xml
