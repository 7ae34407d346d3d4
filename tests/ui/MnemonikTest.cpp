// Alt+letter must reach one control: two captions of a window (or two items of a menu) with
// the same mnemonic make the key ambiguous, and Qt then opens neither.

#include "Hauptfenster.h"
#include "platform/Sprachmodule.h"
#include "ui/main/Befehle.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace trv::test {
namespace {

// The letter after a single '&', lower case; 0 when the text has none.
QChar Mnemonik(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

class Mnemoniken {
public:
    explicit Mnemoniken(std::string wo) : wo_(std::move(wo)) {}
    void Hinzu(const QString& text) {
        const QChar m = Mnemonik(text);
        if (m.isNull()) {
            return;
        }
        const auto [it, neu] = texte_.emplace(m, text);
        if (!neu) {
            Klaschen +=
                wo_ + ": \"" + it->second.toStdString() + "\" / \"" + text.toStdString() + "\"\n";
        }
    }
    std::string Klaschen;

private:
    std::string wo_;
    std::map<QChar, QString> texte_;
};

// The menu's visible items, and each of its sub-menus in turn.
void MenuePruefen(const QMenu& menue, const std::string& wo, std::string& klaschen) {
    Mnemoniken m(wo + " menu " + menue.title().toStdString());
    for (QAction* a : menue.actions()) {
        if (a->isVisible() && !a->isSeparator()) {
            m.Hinzu(a->text());
            if (a->menu() != nullptr) {
                MenuePruefen(*a->menu(), wo, klaschen);
            }
        }
    }
    klaschen += m.Klaschen;
}

// The menu bar's titles and the captions of the window's visible controls share Alt+letter;
// tool buttons made from actions show their icon text, which has no mnemonic.
std::string FensterPruefen(QWidget& fenster, const std::string& wo) {
    std::string klaschen;
    Mnemoniken m(wo);
    if (auto* leiste = fenster.findChild<QMenuBar*>()) {
        for (QAction* a : leiste->actions()) {
            if (a->isVisible()) {
                m.Hinzu(a->text());
                if (a->menu() != nullptr) {
                    MenuePruefen(*a->menu(), wo, klaschen);
                }
            }
        }
    }
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&fenster) || w->window() != &fenster) {
            continue;
        }
        if (auto* knopf = qobject_cast<QAbstractButton*>(w)) {
            if (qobject_cast<QToolBar*>(knopf->parentWidget()) == nullptr) {
                m.Hinzu(knopf->text());
            }
        } else if (auto* label = qobject_cast<QLabel*>(w); label != nullptr && label->buddy()) {
            m.Hinzu(label->text());
        } else if (auto* gruppe = qobject_cast<QGroupBox*>(w)) {
            m.Hinzu(gruppe->title());
        }
    }
    return klaschen + m.Klaschen;
}

TEST(MnemonikTest, NoTwoControlsOfTheMainWindowShareAMnemonicInAnyLanguage) {
    using namespace plattform;
    const std::pair<int, const char*> sprachen[] = {
        {sprache::Englisch, "English"},      {sprache::Deutsch, "German"},
        {sprache::Franzoesisch, "French"},   {sprache::Italienisch, "Italian"},
        {sprache::Niederlaendisch, "Dutch"}, {sprache::Spanisch, "Spanish"}};
    std::string klaschen;
    for (const auto& [kennung, name] : sprachen) {
        Sprachmodule module({QStringLiteral(TRV_BUILD_DIR)});
        ASSERT_TRUE(module.SpracheLaden(kennung)) << name;
        Hauptfenster h({Beispiel("slab-to-wall-linear.TRV")});
        // The input, then the result sheet with its own buttons.
        klaschen += FensterPruefen(*h.fenster, std::string(name) + " main window (input)");
        h->Aktionen().mnuVorschau->trigger();
        klaschen += FensterPruefen(*h.fenster, std::string(name) + " main window (sheet)");
    }
    EXPECT_TRUE(klaschen.empty()) << klaschen;
}

} // namespace
} // namespace trv::test
