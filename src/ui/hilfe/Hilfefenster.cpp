#include "ui/hilfe/Hilfefenster.h"

#include "ui/hilfe/Hilfesammlung.h"
#include "ui/main/Symbole.h"

#include <QAction>
#include <QEvent>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace trv {

namespace {

// The page explaining the help itself, the same in every language.
const QString HilfeZurHilfe = QStringLiteral("using-help.html");

} // namespace

Hilfebrowser::Hilfebrowser(Hilfesammlung& sammlung, QWidget* eltern)
    : QTextBrowser(eltern), sammlung_(sammlung) {
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant Hilfebrowser::loadResource(int typ, const QUrl& adresse) {
    if (adresse.scheme() == QLatin1String("qthelp")) {
        return sammlung_.Engine().fileData(adresse);
    }
    return QTextBrowser::loadResource(typ, adresse);
}

THilfefenster::THilfefenster(std::unique_ptr<Hilfesammlung> sammlung, QWidget* eltern)
    : QMainWindow(eltern), sammlung_(std::move(sammlung)) {
    setObjectName(QStringLiteral("frmHilfe"));
    QHelpEngine& engine = sammlung_->Engine();
    browser_ = new Hilfebrowser(*sammlung_, this);
    browser_->setObjectName(QStringLiteral("Hilfeseite"));

    QHelpContentWidget* inhalt = engine.contentWidget();
    inhalt_ = inhalt;
    connect(inhalt, &QHelpContentWidget::linkActivated, this, &THilfefenster::Zeigen);

    index_ = new QWidget(this);
    lblSuchwort_ = new QLabel(index_);
    editSuchwort_ = new QLineEdit(index_);
    editSuchwort_->setObjectName(QStringLiteral("editSuchwort"));
    lblSuchwort_->setBuddy(editSuchwort_);
    QHelpIndexWidget* stichwoerter = engine.indexWidget();
    auto* indexLayout = new QVBoxLayout(index_);
    indexLayout->addWidget(lblSuchwort_);
    indexLayout->addWidget(editSuchwort_);
    indexLayout->addWidget(stichwoerter);
    connect(editSuchwort_, &QLineEdit::textChanged, stichwoerter,
            [stichwoerter](const QString& text) { stichwoerter->filterIndices(text); });
    connect(editSuchwort_, &QLineEdit::returnPressed, stichwoerter,
            &QHelpIndexWidget::activateCurrentItem);
    connect(stichwoerter, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& seite, const QString&) { Zeigen(seite.url); });
    connect(stichwoerter, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& seiten, const QString&) {
                if (!seiten.isEmpty()) {
                    Zeigen(seiten.front().url);
                }
            });

    QHelpSearchEngine* suche = engine.searchEngine();
    suche_ = new QWidget(this);
    auto* sucheLayout = new QVBoxLayout(suche_);
    sucheLayout->addWidget(suche->queryWidget());
    sucheLayout->addWidget(suche->resultWidget(), 1);
    connect(suche->queryWidget(), &QHelpSearchQueryWidget::search, this, &THilfefenster::Suchen);
    connect(suche->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this,
            &THilfefenster::Zeigen);
    // The full-text index is brought up to date in the background.
    suche->scheduleIndexDocumentation();

    reiter_ = new QTabWidget(this);
    reiter_->addTab(inhalt_, QString());
    reiter_->addTab(index_, QString());
    reiter_->addTab(suche_, QString());

    auto* teiler = new QSplitter(this);
    teiler->addWidget(reiter_);
    teiler->addWidget(browser_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({260, 640});
    setCentralWidget(teiler);

    auto* leiste = addToolBar(QString());
    leiste->setObjectName(QStringLiteral("tbarHilfe"));
    zurueck_ = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), browser_,
                                 &QTextBrowser::backward);
    vor_ = leiste->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(), browser_,
                             &QTextBrowser::forward);
    start_ = leiste->addAction(Symbol(QStringLiteral("hilfe-inhalt")), QString(), this,
                               &THilfefenster::Inhalt);
    ueberHilfe_ = leiste->addAction(Symbol(QStringLiteral("hilfe")), QString(), this,
                                    &THilfefenster::UeberHilfe);
    zurueck_->setShortcut(QKeySequence::Back);
    vor_->setShortcut(QKeySequence::Forward);
    connect(browser_, &QTextBrowser::backwardAvailable, zurueck_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, vor_, &QAction::setEnabled);
    zurueck_->setEnabled(false);
    vor_->setEnabled(false);

    resize(960, 680);
    retranslateUi();
    if (!sammlung_->Bereit()) {
        browser_->setPlainText(sammlung_->Fehler());
    }
}

THilfefenster::~THilfefenster() = default;

void THilfefenster::Zeigen(const QUrl& adresse) {
    if (adresse.isValid()) {
        browser_->setSource(adresse);
    }
}

QUrl THilfefenster::Seite() const {
    return browser_->source();
}

void THilfefenster::Inhalt() {
    reiter_->setCurrentWidget(inhalt_);
    Zeigen(sammlung_->Startseite());
}

void THilfefenster::Stichwortsuche() {
    reiter_->setCurrentWidget(index_);
    if (browser_->source().isEmpty()) {
        Zeigen(sammlung_->Startseite());
    }
    editSuchwort_->setFocus();
    editSuchwort_->selectAll();
}

void THilfefenster::UeberHilfe() {
    reiter_->setCurrentWidget(inhalt_);
    const QUrl start = sammlung_->Startseite();
    Zeigen(start.resolved(QUrl(HilfeZurHilfe)));
}

void THilfefenster::Thema(const QString& kennung) {
    const QUrl seite = sammlung_->Thema(kennung);
    if (seite.isEmpty()) {
        Inhalt();
        return;
    }
    Zeigen(seite);
}

void THilfefenster::Suchen() {
    QHelpSearchEngine* suche = sammlung_->Engine().searchEngine();
    suche->search(suche->queryWidget()->searchInput());
}

void THilfefenster::changeEvent(QEvent* ereignis) {
    if (ereignis->type() == QEvent::LanguageChange) {
        retranslateUi();
    }
    QMainWindow::changeEvent(ereignis);
}

void THilfefenster::retranslateUi() {
    setWindowTitle(tr("Varnel - TRV / ZEDE Shear Connectors - Help"));
    reiter_->setTabText(0, tr("&Contents"));
    reiter_->setTabText(1, tr("&Index"));
    reiter_->setTabText(2, tr("&Search"));
    lblSuchwort_->setText(tr("&Look for:"));
    zurueck_->setText(tr("Back"));
    vor_->setText(tr("Forward"));
    start_->setText(tr("Contents"));
    ueberHilfe_->setText(tr("Using the help"));
}

} // namespace trv
