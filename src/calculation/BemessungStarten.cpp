// TKAnwendung::BemessungStarten lives with the calculation: the model declares it, but the
// driver and the plausibility rules it runs belong to this layer.
#include "calculation/Bemessung.h"
#include "calculation/Plausibilitaet.h"
#include "model/Modell.h"

namespace trv {

std::vector<std::string> TKAnwendung::BemessungStarten() {
    std::vector<std::string> eingabefehler = EingabenPruefen(*this);
    if (!eingabefehler.empty()) {
        ergebnisse_ = TKErgebnisse();
        return eingabefehler;
    }
    TKTRVBemessung bemessung(*this);
    bemessung.AlleTypenBemessen();
    return bemessung.Hinweise();
}

} // namespace trv
