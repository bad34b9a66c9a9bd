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

namespace {

template <typename T>
void Create(T*& reference)
{
    reference = new T();
    reference->FormCreate();
}

}  // namespace

void CreateAllForms()
{
    Create(V65x);
    Create(Konsys);
    Create(Kuponger);
    Create(Retta2);
    Create(Skriva);
    Create(Radera);
    Create(Streckf);
    Create(AboutC);
    Create(Nesta);
    Create(Fyllikup);
    Create(Information);
    Create(ovrigavillkor);
    Create(Radvillkor);
    Create(Chansvillkor);
    Create(Data);
    Create(Reducera);
    Create(Reducinfo);
    Create(Snabbred);
    Create(ATGFilform);
    Create(Gruppvillkor);
    Create(Ordningsf);
    Create(Reducerader);
    Create(Reserver);
    Create(Seenkelrader);
    Create(KupongerE);
    Create(Startlista1);
    Create(Startlista2);
    Create(Startlista3);
    Create(Startlista4);
    Create(Startlista5);
    Create(Startlista6);
    Create(Startlista7);
    Create(Textfil);
    Create(ATG);
    Create(Reservinfo);
    Create(txtInfo);
    Create(Slump);
    Create(streckoreduc);
    Create(Inforeducering);
    Create(Streckreducerat);
    Create(DataHSp);
    Create(Egentext);
    Create(Rettningsinfo);
    Create(Ekonomi);
    Create(InfoChans);
    Create(Kommentar);
    Create(F11);
    Create(F77);
    Create(F22);
    Create(F33);
    Create(F44);
    Create(F55);
    Create(F66);
    Create(Proppen);
    Create(Startlistor);
    Create(Form2);
    Create(ReduceraF);
    Create(Procent);
    Create(Chans);
    Create(Infoutdelning);
    Create(InfoStreck);
    Create(Infoutd);
    Create(ATGBrowser);
    Create(InfoOmHemtning);
}
