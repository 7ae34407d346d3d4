#pragma once

#include <QObject>

class QApplication;

namespace trv {

// Tool tips of every window appear after 500 ms and disappear after 5000 ms.
class Tooltipzeiten : public QObject {
public:
    static constexpr int Verzoegerung = 500;
    static constexpr int Anzeigedauer = 5000;

    explicit Tooltipzeiten(QApplication& app);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

} // namespace trv
