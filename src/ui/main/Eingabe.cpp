#include "ui/main/Eingabe.h"

namespace trv {

TfrmHauptMaske::TfrmHauptMaske(QStringList, QWidget* eltern) : QMainWindow(eltern) {}

} // namespace trv
