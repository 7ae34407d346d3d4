#include "calculation/Lastfaelle.h"

#include "model/Modell.h"

#include <algorithm>

namespace trv {

namespace {

// The profile's ends on the line load: it always has both, in ascending order and within the
// effective joint length.
void ProfilVorbereiten(TKAnwendung& a) {
    TKBelastung& b = a.BelastungDesign();
    const double laenge = a.Geometrie().Fugenlaenge();
    const double links = b.LinienLastLinks().Fd();
    const double rechts = b.LinienLastRechts().Fd();
    if (b.AnzPunkte() < 2) {
        b.PunkteLoeschen();
        b.PunktHinzufuegen(0, links);
        b.PunktHinzufuegen(laenge, rechts);
        return;
    }
    const auto& punkte = b.beliebigeLast();
    if (std::any_of(punkte.begin(), punkte.end(), [&](const TKPunkt& p) { return p.x > laenge; })) {
        b.SetLastLaenge(laenge);
    }
    b.SetPunkt(0, {0, links});
    b.SetPunkt(b.AnzPunkte() - 1, {laenge, rechts});
    const auto& neu = b.beliebigeLast();
    if (!std::is_sorted(neu.begin(), neu.end(),
                        [](const TKPunkt& p, const TKPunkt& q) { return p.x < q.x; })) {
        TKBelastung sortiert(b); // a copy inserts point by point, sorted
        b = std::move(sortiert);
    }
}

} // namespace

void AnwendungsfallSetzen(TKAnwendung& a, int fall) {
    if (fall < 0 || fall > 2) {
        return;
    }
    a.SetAnwendungsfall(static_cast<std::uint8_t>(fall));
    TKGeometrie& g = a.Geometrie();
    const bool einzeln = fall == 0;
    g.SetRandLinks(einzeln);
    g.SetRandRechts(einzeln);
    if (einzeln) {
        BelastungsfallSetzen(a, 0);
    } else if (a.BelastungDesign().Belastungsfall() == 0) {
        BelastungsfallSetzen(a, 2);
    }
    // The load spans the joint of the new case (a row's joint, or the connector's edges).
    a.BelastungDesign().SetLastLaenge(g.Fugenlaenge());
}

void BelastungsfallSetzen(TKAnwendung& a, int fall) {
    if (fall < 0 || fall > 3) {
        return;
    }
    TKBelastung& b = a.BelastungDesign();
    const double links = b.LinienLastLinks().Fd();
    const double rechts = b.LinienLastRechts().Fd();
    switch (fall) {
    case 1:
        b.LinienLastLinks().SetFd(links);
        b.LinienLastRechts().SetFd(links);
        break;
    case 2:
        b.LinienLastLinks().SetFd(links);
        b.LinienLastRechts().SetFd(rechts);
        break;
    case 3:
        ProfilVorbereiten(a);
        break;
    default:
        break;
    }
    b.SetBelastungsfall(static_cast<std::uint8_t>(fall));
    b.LinienLastBestimmen();
}

void ProfilUebernehmen(TKAnwendung& a) {
    TKBelastung& b = a.BelastungDesign();
    b.LinienLastLinks().SetFd(b.GetPunkt(0).y);
    b.LinienLastRechts().SetFd(b.GetPunkt(b.AnzPunkte() - 1).y);
    b.LinienLastBestimmen();
}

} // namespace trv
