#include "core/forms.h"

#include "conditions/cvillkor.h"
#include "conditions/grpvlk.h"
#include "conditions/ordn.h"
#include "conditions/ovrigavlk.h"
#include "conditions/radvlk.h"
#include "core/aboutb.h"
#include "core/huvf.h"
#include "core/info.h"
#include "core/infoch.h"
#include "core/infoomreduc.h"
#include "core/inforeduc.h"
#include "core/rettainfo.h"
#include "core/textinfo.h"
#include "core/ukonsys.h"
#include "core/utdelningsintervall.h"
#include "grading/chanser.h"
#include "grading/ekonomiu.h"
#include "grading/nestaavd.h"
#include "grading/rettar2.h"
#include "output/atgfilin.h"
#include "output/fyllakup.h"
#include "output/reserv.h"
#include "output/reservinf.h"
#include "output/sekup.h"
#include "output/sekupe.h"
#include "output/skrivaut.h"
#include "output/txtfil.h"
#include "output/xtratext.h"
#include "racedata/atgdata.h"
#include "racedata/atgsida.h"
#include "racedata/datahspu.h"
#include "racedata/datavisa.h"
#include "racedata/hn11.h"
#include "racedata/hn22.h"
#include "racedata/hn33.h"
#include "racedata/hn44.h"
#include "racedata/hn55.h"
#include "racedata/hn66.h"
#include "racedata/hn77.h"
#include "racedata/infohemtalistor.h"
#include "racedata/infostartlistor.h"
#include "racedata/kommtxt.h"
#include "racedata/prop.h"
#include "racedata/startl1.h"
#include "racedata/startl2.h"
#include "racedata/startl3.h"
#include "racedata/startl4.h"
#include "racedata/startl5.h"
#include "racedata/startl6.h"
#include "racedata/startl7.h"
#include "racedata/startlist.h"
#include "reduction/infoutdeln.h"
#include "reduction/reduc.h"
#include "reduction/reducrader.h"
#include "reduction/reducu.h"
#include "reduction/slumpis.h"
#include "reduction/snreduc.h"
#include "sysfile/suddafil.h"
#include "views/infostrecken.h"
#include "views/procenten.h"
#include "views/seenkelrad.h"
#include "views/streckenreducerat.h"
#include "views/streckford.h"
#include "views/streckforeduc.h"

TV65x* V65x = nullptr;
TKonsys* Konsys = nullptr;
TKuponger* Kuponger = nullptr;
TRetta2* Retta2 = nullptr;
TSkriva* Skriva = nullptr;
TRadera* Radera = nullptr;
TStreckf* Streckf = nullptr;
TAboutC* AboutC = nullptr;
TNesta* Nesta = nullptr;
TFyllikup* Fyllikup = nullptr;
TInformation* Information = nullptr;
Tovrigavillkor* ovrigavillkor = nullptr;
TRadvillkor* Radvillkor = nullptr;
TChansvillkor* Chansvillkor = nullptr;
TData* Data = nullptr;
TReducera* Reducera = nullptr;
TReducinfo* Reducinfo = nullptr;
TSnabbred* Snabbred = nullptr;
TATGFilform* ATGFilform = nullptr;
TGruppvillkor* Gruppvillkor = nullptr;
TOrdningsf* Ordningsf = nullptr;
TReducerader* Reducerader = nullptr;
TReserver* Reserver = nullptr;
TSeenkelrader* Seenkelrader = nullptr;
TKupongerE* KupongerE = nullptr;
TStartlista1* Startlista1 = nullptr;
TStartlista2* Startlista2 = nullptr;
TStartlista3* Startlista3 = nullptr;
TStartlista4* Startlista4 = nullptr;
TStartlista5* Startlista5 = nullptr;
TStartlista6* Startlista6 = nullptr;
TStartlista7* Startlista7 = nullptr;
TTextfil* Textfil = nullptr;
TATG* ATG = nullptr;
TReservinfo* Reservinfo = nullptr;
TtxtInfo* txtInfo = nullptr;
TSlump* Slump = nullptr;
Tstreckoreduc* streckoreduc = nullptr;
TInforeducering* Inforeducering = nullptr;
TStreckreducerat* Streckreducerat = nullptr;
TDataHSp* DataHSp = nullptr;
TEgentext* Egentext = nullptr;
TRettningsinfo* Rettningsinfo = nullptr;
TEkonomi* Ekonomi = nullptr;
TInfoChans* InfoChans = nullptr;
TKommentar* Kommentar = nullptr;
TF11* F11 = nullptr;
TF77* F77 = nullptr;
TF22* F22 = nullptr;
TF33* F33 = nullptr;
TF44* F44 = nullptr;
TF55* F55 = nullptr;
TF66* F66 = nullptr;
TProppen* Proppen = nullptr;
TStartlistor* Startlistor = nullptr;
TForm2* Form2 = nullptr;
TReduceraF* ReduceraF = nullptr;
TProcent* Procent = nullptr;
TChans* Chans = nullptr;
TInfoutdelning* Infoutdelning = nullptr;
TInfoStreck* InfoStreck = nullptr;
TInfoutd* Infoutd = nullptr;
TATGBrowser* ATGBrowser = nullptr;
TInfoOmHemtning* InfoOmHemtning = nullptr;

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
