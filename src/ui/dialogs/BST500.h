#pragma once

#include <QSpinBox>
#include <QString>

#include <vector>

namespace trv {

// The bar diameters a stepper offers, from a text like "6;8;10;12": the values between the
// semicolons, ascending. Stepping up from p gives the smallest listed value >= p, stepping down
// the largest listed value <= p (the smallest value below the list).
class TKStabliste {
public:
    static constexpr const char* Standard = "6;8;10;12;14;16;20;25;28";

    // An empty text takes the standard list. Items that are no positive whole numbers are left
    // out, so are values not above their predecessor; a text without any usable value takes the
    // standard list too.
    explicit TKStabliste(const QString& text = QString::fromLatin1(Standard));

    const QString& Text() const { return text_; }
    const std::vector<int>& Werte() const { return werte_; }
    int Minimum() const { return werte_.front(); }
    int Maximum() const { return werte_.back(); }

    int Aufwaerts(int p) const;
    int Abwaerts(int p) const;
    // The value one step from wert (richtung > 0 up, < 0 down), within the list.
    int Schritt(int wert, int richtung) const;

private:
    QString text_;
    std::vector<int> werte_;
};

// A spin box that steps through a list of bar diameters instead of consecutive integers. Only
// the arrows (and the arrow keys) change it; the number cannot be typed.
class TBST500 : public QSpinBox {
    Q_OBJECT
public:
    enum class Richtung { Naechster, Vorheriger };
    Q_ENUM(Richtung)

    explicit TBST500(QWidget* eltern = nullptr);

    QString StabListe() const { return liste_.Text(); }
    void SetStabListe(const QString& text);

    void stepBy(int schritte) override;

signals:
    // After an arrow moved the value (also when it stayed at the end of the list).
    void Klick(trv::TBST500::Richtung richtung);

protected:
    StepEnabled stepEnabled() const override;

private:
    TKStabliste liste_;
};

} // namespace trv
