#pragma once
// Small templates shared by the report tests.
#include <string>

namespace ked::test {

// A 100 x 100 mm page with 10 mm margins, a 10 mm header and footer: the body
// holds six 10 mm bands.
inline const std::string kPoolTemplate = R"(KEDFRF 1
title "Poule"
page 100 100 margins 10 10 10 10
band pageheader Entete height 10
  text 0 0 80 5 "[Titre] p.[PAGE#]"
band masterdata Donnees1 dataset frUserDataset2 height 10
  text 0 0 80 5 "Tour [Tour]"
band detaildata Donnees2 dataset frUserDataset1 height 10
  text 0 0 80 5 "Table [Table] : [Visit]"
band pagefooter Pied height 10
  text 0 0 80 5 "fin"
)";

}  // namespace ked::test
