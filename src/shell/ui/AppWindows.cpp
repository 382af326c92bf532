#include "shell/ui/AppWindows.h"

#include "balancing/ui/TFUtil_Equilibre.h"
#include "movements/ui/TFMouvChoix.h"
#include "organisation/ui/TOrga_FOrga.h"
#include "pool/ui/TPoulFPrg.h"
#include "scales/ui/TUtilGhaF.h"
#include "scales/ui/TUtil_FPV.h"
#include "shell/ui/TApropos.h"
#include "shell/ui/TUtilFMod.h"
#include "shell/ui/TUtilf.h"

namespace ked {

AppWindows::AppWindows(AppContext& context)
    : main(std::make_unique<TUtilf>(context)),
      config(std::make_unique<TUtilFMod>(context)),
      gana(std::make_unique<TUtilGhaF>(context)),
      pool(std::make_unique<TPoulFPrg>(context)),
      balancing(std::make_unique<TFUtil_Equilibre>(context)),
      about(std::make_unique<TApropos>(context)),
      organisation(std::make_unique<TOrga_FOrga>(context)),
      movements(std::make_unique<TFMouvChoix>(context)),
      vp(std::make_unique<TUtil_FPV>(context)) {
  main->RegisterWindow(WindowId::Config, config.get());
  main->RegisterWindow(WindowId::Gana, gana.get());
  main->RegisterWindow(WindowId::Pool, pool.get());
  main->RegisterWindow(WindowId::Balancing, balancing.get());
  main->RegisterWindow(WindowId::About, about.get());
  main->RegisterWindow(WindowId::Organisation, organisation.get());
  main->RegisterWindow(WindowId::Movements, movements.get());
  main->RegisterWindow(WindowId::Vp, vp.get());
}

AppWindows::~AppWindows() = default;

}  // namespace ked
