#include "ui/dialogs/BST500.h"

#include <QLineEdit>

#include <algorithm>

namespace trv {

TKStabliste::TKStabliste(const QString& text) {
    QString t = text.trimmed();
    if (t.isEmpty()) {
        t = QString::fromLatin1(Standard);
    }
    if (!t.endsWith(QLatin1Char(';'))) {
        t += QLatin1Char(';');
    }
    for (const QString& teil : t.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int wert = teil.trimmed().toInt(&ok);
        // A diameter beyond any bar would only make the stepper useless; the list must rise.
        if (ok && wert > 0 && wert <= 1000 && (werte_.empty() || wert > werte_.back())) {
            werte_.push_back(wert);
        }
    }
    if (werte_.empty()) {
        *this = TKStabliste(QString::fromLatin1(Standard));
        return;
    }
    text_ = t;
}

int TKStabliste::Aufwaerts(int p) const {
    const auto it = std::lower_bound(werte_.begin(), werte_.end(), p);
    return it == werte_.end() ? werte_.back() : *it;
}

int TKStabliste::Abwaerts(int p) const {
    const auto it = std::upper_bound(werte_.begin(), werte_.end(), p);
    return it == werte_.begin() ? werte_.front() : *std::prev(it);
}

int TKStabliste::Schritt(int wert, int richtung) const {
    if (richtung > 0) {
        return Aufwaerts(std::min(wert, Maximum()) + 1);
    }
    if (richtung < 0) {
        return Abwaerts(std::max(wert, Minimum()) - 1);
    }
    return wert;
}

TBST500::TBST500(QWidget* eltern) : QSpinBox(eltern) {
    lineEdit()->setReadOnly(true);
    SetStabListe(liste_.Text());
}

void TBST500::SetStabListe(const QString& text) {
    liste_ = TKStabliste(text);
    setRange(liste_.Minimum(), liste_.Maximum());
}

void TBST500::stepBy(int schritte) {
    if (schritte == 0) {
        return;
    }
    // A page step moves as far as the same number of arrow clicks would.
    int wert = value();
    for (int i = 0; i < std::abs(schritte); ++i) {
        wert = liste_.Schritt(wert, schritte);
    }
    setValue(wert);
    emit Klick(schritte > 0 ? Richtung::Naechster : Richtung::Vorheriger);
}

QAbstractSpinBox::StepEnabled TBST500::stepEnabled() const {
    StepEnabled erlaubt = StepNone;
    if (value() < liste_.Maximum()) {
        erlaubt |= StepUpEnabled;
    }
    if (value() > liste_.Minimum()) {
        erlaubt |= StepDownEnabled;
    }
    return erlaubt;
}

} // namespace trv
