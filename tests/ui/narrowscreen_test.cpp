// The placement rule on the screen the windows were created on: each window that the rule
// names puts its client area in a scroll area with both scroll bars on when, and only when,
// the screen is narrower than 800 pixels, from its own create handler. The window tests run
// this file twice: on the usual screen and on a 640 x 480 one.

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

#include "conditions/ui/grpvlk.h"
#include "conditions/ui/ordn.h"
#include "conditions/ui/ovrigavlk.h"
#include "conditions/ui/radvlk.h"
#include "core/ui/info.h"
#include "core/ui/infoch.h"
#include "grading/ui/nestaavd.h"
#include "grading/ui/rettar2.h"
#include "output/ui/fyllakup.h"
#include "output/ui/reserv.h"
#include "output/ui/sekup.h"
#include "output/ui/sekupe.h"
#include "output/ui/skrivaut.h"
#include "output/ui/xtratext.h"
#include "sysfile/ui/suddafil.h"
#include "views/ui/streckford.h"
#include "windowset.h"

namespace {

class NarrowScreen : public WindowSetTest {};

TEST_F(NarrowScreen, NamedWindowsScrollExactlyOnANarrowScreen)
{
    const QSize screen = QGuiApplication::primaryScreen()->size();
    const bool narrow = screen.width() < 800;
    const VForm* const named[] = {Information, InfoChans, Radvillkor, Gruppvillkor, ovrigavillkor, Ordningsf,
                                  Reserver,    Kuponger,  KupongerE,  Fyllikup,     Skriva,        Egentext,
                                  Streckf,     Radera,    Retta2,     Nesta};
    for (const VForm* window : named) {
        const char* name = window->metaObject()->className();
        const auto* area = window->findChild<QScrollArea*>(QStringLiteral("ScrollArea"));
        ASSERT_EQ(area != nullptr, narrow) << name << " on a screen " << screen.width() << " wide";
        if (!area)
            continue;
        EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
        EXPECT_EQ(area->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << name;
        EXPECT_EQ(area->widget()->size(), window->size()) << name;
    }

    const auto* main = V65x->findChild<QScrollArea*>();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, narrow);
    EXPECT_EQ(main->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn, screen.height() < 600);
}

}  // namespace
