#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// libxml2's types, so that users of this header need not include libxml2.
struct _xmlDoc;
struct _xmlNode;
struct _xmlParserCtxt;

namespace trv::xml {

// A handle to one element of a TKDokument. It owns nothing and is valid while its document
// lives. A default-constructed handle (or the result of a failed lookup) is empty; every
// query on an empty handle gives an empty result, so lookups can be chained safely.
class TKElement {
public:
    TKElement() = default;
    explicit TKElement(_xmlNode* knoten) : knoten_(knoten) {}

    explicit operator bool() const { return knoten_ != nullptr; }

    // The element's local name (without a namespace prefix).
    std::string Name() const;
    // The same as a view into the document, valid while the document lives.
    std::string_view NameAnsicht() const;

    // Appends a child element with that name and returns it.
    TKElement KindAnhaengen(const std::string& name);
    // The first child element with that name, or an empty handle.
    TKElement Kind(const std::string& name) const;
    // The child element at index (0-based, elements only), or an empty handle.
    TKElement KindAn(std::size_t index) const;
    // Number of child elements (text, comments and the like do not count).
    std::size_t AnzahlKinder() const;
    // The next sibling element, or an empty handle; with KindAn(0) it walks the children.
    TKElement NaechstesGeschwister() const;

    // Replaces the content by one text node. Characters XML cannot carry (invalid UTF-8,
    // control characters other than tab, line feed and carriage return) are written as U+FFFD,
    // so a saved file can always be read again.
    void SetText(const std::string& text);
    // The element's own text: its direct text children joined (not the text of nested elements).
    std::string Text() const;

    void SetAttribut(const std::string& name, const std::string& wert);
    std::optional<std::string> Attribut(const std::string& name) const;

private:
    _xmlNode* knoten_ = nullptr;
};

// Outcome of loading a document.
struct TKLadeFehler {
    std::string Grund; // short English reason, for diagnostics
};

// Owns one libxml2 document.
class TKDokument {
public:
    // A new empty document (no document element yet).
    TKDokument();
    ~TKDokument();
    TKDokument(TKDokument&&) noexcept;
    TKDokument& operator=(TKDokument&&) noexcept;
    TKDokument(const TKDokument&) = delete;
    TKDokument& operator=(const TKDokument&) = delete;

    // Limits of a loaded document. No document of this program comes near them (a project of
    // 65535 calculated positions has about 2.3 GB); they keep a damaged or hostile file from
    // exhausting memory further up.
    static constexpr std::uintmax_t MaxDateiGroesse = 4ull * 1024u * 1024u * 1024u; // bytes
    static constexpr std::size_t MaxTextLaenge = 1024u * 1024u; // bytes of one text
    static constexpr std::size_t MaxTiefe = 32;                 // nesting depth of elements

    // Parses a file or a buffer with a parser that never reaches the network or other files,
    // refuses a document type declaration (and with it every entity declaration, external or
    // not), keeps libxml2's own limits, refuses texts and depths beyond the limits above, and
    // accepts only a well-formed document. Returns nullopt and sets fehler on failure.
    static std::optional<TKDokument> Laden(const std::filesystem::path& datei,
                                           TKLadeFehler& fehler);
    static std::optional<TKDokument> AusText(std::string_view inhalt, TKLadeFehler& fehler);

    // Creates the document element (replacing an existing one) and returns it.
    TKElement WurzelAnlegen(const std::string& name);
    TKElement Wurzel() const;

    // The document as UTF-8 text with an XML declaration; nested elements are indented.
    std::string AlsText() const;
    // Writes the text of AlsText() to the file atomically (see DateiAtomarErzeugen), streamed,
    // so that the text of a large project never has to fit into memory as a whole.
    bool Speichern(const std::filesystem::path& datei, std::string& fehler) const;

private:
    struct DokFrei {
        void operator()(_xmlDoc* d) const;
    };
    explicit TKDokument(_xmlDoc* dok);
    // One parse with the locked-down settings; lesen runs the libxml2 read on the context.
    static std::optional<TKDokument>
    Parsen(const std::function<_xmlDoc*(_xmlParserCtxt*, int)>& lesen, TKLadeFehler& fehler);
    std::unique_ptr<_xmlDoc, DokFrei> dok_;
};

} // namespace trv::xml
