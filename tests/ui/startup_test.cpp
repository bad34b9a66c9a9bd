// Start-up: every window created once, in start order, with its caption; the main window
// is the one that others centre over.

#include <gtest/gtest.h>
#include <QWidget>
#include <set>

#include "app/forms.h"
#include "conditions/ui/cvillkor.h"
#include "conditions/ui/grpvlk.h"
#include "conditions/ui/ordn.h"
#include "conditions/ui/ovrigavlk.h"
#include "conditions/ui/radvlk.h"
#include "core/ui/aboutb.h"
#include "core/ui/huvf.h"
#include "core/ui/info.h"
#include "core/ui/infoch.h"
#include "core/ui/infoomreduc.h"
#include "core/ui/inforeduc.h"
#include "core/ui/rettainfo.h"
#include "core/ui/textinfo.h"
#include "core/ui/ukonsys.h"
#include "core/ui/utdelningsintervall.h"
#include "grading/ui/chanser.h"
#include "grading/ui/ekonomiu.h"
#include "grading/ui/nestaavd.h"
#include "grading/ui/rettar2.h"
#include "model/variabl.h"
#include "output/ui/atgfilin.h"
#include "output/ui/fyllakup.h"
#include "output/ui/reserv.h"
#include "output/ui/reservinf.h"
#include "output/ui/sekup.h"
#include "output/ui/sekupe.h"
#include "output/ui/skrivaut.h"
#include "output/ui/txtfil.h"
#include "output/ui/xtratext.h"
#include "racedata/ui/atgdata.h"
#include "racedata/ui/atgsida.h"
#include "racedata/ui/datahspu.h"
#include "racedata/ui/datavisa.h"
#include "racedata/ui/infohemtalistor.h"
#include "racedata/ui/infostartlistor.h"
#include "racedata/ui/kommtxt.h"
#include "racedata/ui/prop.h"
#include "racedata/ui/racepopups.h"
#include "racedata/ui/startlist.h"
#include "racedata/ui/startlists.h"
#include "reduction/ui/infoutdeln.h"
#include "reduction/ui/reduc.h"
#include "reduction/ui/reducrader.h"
#include "reduction/ui/reducu.h"
#include "reduction/ui/slumpis.h"
#include "reduction/ui/snreduc.h"
#include "sysfile/ui/suddafil.h"
#include "views/ui/infostrecken.h"
#include "views/ui/procenten.h"
#include "views/ui/seenkelrad.h"
#include "views/ui/streckenreducerat.h"
#include "views/ui/streckford.h"
#include "views/ui/streckforeduc.h"
#include "windowset.h"

namespace {

struct Window {
    QWidget* window;
    const char* className;
    QString caption;
};

// The windows in the order in which they are created.
std::vector<Window> WindowsInStartOrder()
{
    return {
        {V65x, "TV65x", MainWindowCaption()},
        {Konsys, "TKonsys", QStringLiteral("Konstruera system")},
        {Kuponger, "TKuponger", QStringLiteral("Se kupongerna")},
        {Retta2, "TRetta2", QStringLiteral("Rätta")},
        {Skriva, "TSkriva", QStringLiteral("Skriva ut systemet på papper")},
        {Radera, "TRadera", QStringLiteral("Radera sparade filer")},
        {Streckf, "TStreckf", QStringLiteral("Streckfördelning")},
        {AboutC, "TAboutC", QStringLiteral("Vimsta ")},
        {Nesta, "TNesta", QStringLiteral("Nästa avdelning")},
        {Fyllikup, "TFyllikup", QStringLiteral("Fylla i V64 kuponger")},
        {Information, "TInformation", QStringLiteral("Komma igång")},
        {ovrigavillkor, "Tovrigavillkor", QStringLiteral("Övriga villkor på startnr")},
        {Radvillkor, "TRadvillkor", QStringLiteral("Villkor på startnummer")},
        {Chansvillkor, "TChansvillkor", QStringLiteral("Poängvillkor")},
        {Data, "TData", QStringLiteral("Startlistor, streck och odds")},
        {Reducera, "TReducera", QStringLiteral("Reducera kuponger")},
        {Reducinfo, "TReducinfo", QStringLiteral("Om reducering")},
        {Snabbred, "TSnabbred", QStringLiteral("Snabbreducera")},
        {ATGFilform, "TATGFilform", QStringLiteral("ATG-fil")},
        {Gruppvillkor, "TGruppvillkor", QStringLiteral("Gruppvillkor")},
        {Ordningsf, "TOrdningsf", QStringLiteral("Ordningsföljd")},
        {Reducerader, "TReducerader", QStringLiteral("Beräkna enkelrader")},
        {Reserver, "TReserver", QStringLiteral("Reserver")},
        {Seenkelrader, "TSeenkelrader", QStringLiteral("Enkelrader")},
        {KupongerE, "TKupongerE", QStringLiteral("Se kupongerna")},
        {Startlista1, "TStartlista1", QStringLiteral("Avd 1")},
        {Startlista2, "TStartlista2", QStringLiteral("Avd 2")},
        {Startlista3, "TStartlista3", QStringLiteral("Avd 3")},
        {Startlista4, "TStartlista4", QStringLiteral("Avd 4")},
        {Startlista5, "TStartlista5", QStringLiteral("Avd 5")},
        {Startlista6, "TStartlista6", QStringLiteral("Avd 6")},
        {Startlista7, "TStartlista7", QStringLiteral("Avd 7")},
        {Textfil, "TTextfil", QStringLiteral("Textfil")},
        {ATG, "TATG", QStringLiteral("Startlistor, streck och odds")},
        {Reservinfo, "TReservinfo", QStringLiteral("Information om reserver")},
        {txtInfo, "TtxtInfo", QStringLiteral("Information om textfilen")},
        {Slump, "TSlump", QStringLiteral("Slump")},
        {streckoreduc, "Tstreckoreduc",
         QStringLiteral("Streckfördelningen i det oreducerade systemet (procent)")},
        {Inforeducering, "TInforeducering", QStringLiteral("Reducering med enkelrader")},
        {Streckreducerat, "TStreckreducerat",
         QStringLiteral("Streckfördelningen i det reducerade systemet (procent)")},
        {DataHSp, "TDataHSp", QStringLiteral("Data")},
        {Egentext, "TEgentext", QStringLiteral("Egen text")},
        {Rettningsinfo, "TRettningsinfo", QStringLiteral("Rättningsdelen")},
        {Ekonomi, "TEkonomi", QStringLiteral("Ekonomi")},
        {InfoChans, "TInfoChans",
         QStringLiteral("Information till chansvärdering, poäng och streckfördelning")},
        {Kommentar, "TKommentar", QStringLiteral("Kommentar")},
        {F11, "TF11", QString()},
        {F77, "TF77", QString()},
        {F22, "TF22", QString()},
        {F33, "TF33", QString()},
        {F44, "TF44", QString()},
        {F55, "TF55", QString()},
        {F66, "TF66", QString()},
        {Proppen, "TProppen", QStringLiteral("Proposition")},
        {Startlistor, "TStartlistor", QStringLiteral("Startlistor, streck och odds")},
        {Form2, "TForm2", QStringLiteral("Inställningar")},
        {ReduceraF, "TReduceraF", QStringLiteral("Reducera")},
        {Procent, "TProcent", QStringLiteral("Streckfördelning")},
        {Chans, "TChans", QStringLiteral("Vinstchans och vinstchansvärde med reducerat system")},
        {Infoutdelning, "TInfoutdelning", QStringLiteral("Utdelningsintervall")},
        {InfoStreck, "TInfoStreck", QStringLiteral("Streck och Streck-100")},
        {Infoutd, "TInfoutd", QStringLiteral("Utdelningsintervall")},
        {ATGBrowser, "TATGBrowser", QStringLiteral("Hämta startlistor")},
        {InfoOmHemtning, "TInfoOmHemtning", QStringLiteral("Om hämtning av startlistor")},
    };
}

// The windows as the fixture brings them back to their start state: earlier tests of the same
// process change captions (a start-list import, a load).
class StartupTest : public WindowSetTest {};

TEST_F(StartupTest, EveryWindowExistsWithItsCaption)
{
    const std::vector<Window> windows = WindowsInStartOrder();
    ASSERT_EQ(windows.size(), 64u);
    std::set<QWidget*> distinct;
    for (const Window& w : windows) {
        ASSERT_NE(w.window, nullptr) << w.className;
        EXPECT_STREQ(w.window->metaObject()->className(), w.className);
        EXPECT_EQ(w.window->windowTitle(), w.caption) << w.className;
        EXPECT_TRUE(w.window->isWindow()) << w.className;
        distinct.insert(w.window);
    }
    EXPECT_EQ(distinct.size(), windows.size());
    EXPECT_EQ(MainFormWidget(), static_cast<QWidget*>(V65x));
    EXPECT_FALSE(V65x->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(V65x->windowFlags() & Qt::WindowMinimizeButtonHint);
}

}  // namespace
