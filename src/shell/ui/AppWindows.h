#pragma once
// The program's nine windows, created once each in their order of creation.
#include <memory>

#include "platform/ui/AppContext.h"

namespace ked {

class TUtilf;
class TUtilFMod;
class TUtilGhaF;
class TPoulFPrg;
class TFUtil_Equilibre;
class TApropos;
class TOrga_FOrga;
class TFMouvChoix;
class TUtil_FPV;

struct AppWindows {
  explicit AppWindows(AppContext& context);
  ~AppWindows();

  std::unique_ptr<TUtilf> main;
  std::unique_ptr<TUtilFMod> config;
  std::unique_ptr<TUtilGhaF> gana;
  std::unique_ptr<TPoulFPrg> pool;
  std::unique_ptr<TFUtil_Equilibre> balancing;
  std::unique_ptr<TApropos> about;
  std::unique_ptr<TOrga_FOrga> organisation;
  std::unique_ptr<TFMouvChoix> movements;
  std::unique_ptr<TUtil_FPV> vp;
};

}  // namespace ked
