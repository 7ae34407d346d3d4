// TKAnwendung::BemessungStarten lives with the calculation: the model declares it, but the
// driver it runs belongs to this layer.
#include "calculation/Bemessung.h"
#include "model/Modell.h"

namespace trv {

std::vector<std::string> TKAnwendung::BemessungStarten() {
    TKTRVBemessung bemessung(*this);
    bemessung.AlleTypenBemessen();
    return bemessung.Hinweise();
}

} // namespace trv
