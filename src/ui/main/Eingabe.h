#pragma once

#include <QMainWindow>
#include <QStringList>

namespace trv {

// The main window.
class TfrmHauptMaske : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmHauptMaske(QStringList argumente, QWidget* eltern = nullptr);
};

} // namespace trv
