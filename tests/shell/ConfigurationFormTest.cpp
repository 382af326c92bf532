#include "shell/ConfigurationForm.h"

#include <gtest/gtest.h>

#include "platform/FileIO.h"
#include "report/ReportTemplate.h"
#include "support/TempDir.h"

namespace ked {
namespace {

const LocaleFormat fr = LocaleFormat::French();
const std::string nbsp = "\xC2\xA0";

size_t FieldIndex(const std::string& control) {
  const auto& fields = ConfigNumberFields();
  for (size_t i = 0; i < fields.size(); ++i)
    if (fields[i].control == control) return i;
  ADD_FAILURE() << "no field " << control;
  return 0;
}

// The entries of a window showing the defaults, as the save takes them.
ConfigurationEntries EntriesOf(const CommitteeConfig& c) {
  ConfigurationEntries e;
  for (size_t i = 0; i < kConfigNumberCount; ++i) e.numbers[i] = ConfigNumberText(ConfigNumber(c, i), fr);
  e.committeeName = c.committeeName;
  e.ftp = c.ftp;
  e.magicContestContact = c.magicContestContact;
  e.refereeContact = c.refereeContact;
  return e;
}

TEST(ConfigurationForm, EachNumberFieldIsBoundToItsKeyAndItsValue) {
  struct Case {
    const char* control;
    const char* section;
    const char* key;
    double defaultValue;
  };
  const Case cases[] = {
      {"EdFrA1", "Frais", "Fr_A", 97.6},   {"EdFrA2", "Frais", "Fr_A2", 5.9},
      {"EdFrD1", "Frais", "Fr_D", 136.6},  {"EdFrE1", "Frais", "Fr_E", 175.7},
      {"EdFrF1", "Frais", "Fr_F", 205},    {"EdFrEt", "Frais", "Fr_Et", 0.49},
      {"EdFrRe", "Frais", "Fr_Re", 25},    {"EdCpEg0", "Compta", "Ct_Eg0", 6},
      {"EdCpEg8", "Compta", "Ct_Eg8", 200}, {"EdCpEg9", "Compta", "Ct_Eg9", 0},
      {"EdCpIn0", "Compta", "Ct_Ins0", 10}, {"EdCpIn7", "Compta", "Ct_Ins7", 100},
  };
  const CommitteeConfig defaults;
  for (const Case& c : cases) {
    const size_t i = FieldIndex(c.control);
    EXPECT_EQ(ConfigNumberFields()[i].section, c.section) << c.control;
    EXPECT_EQ(ConfigNumberFields()[i].key, c.key) << c.control;
    EXPECT_DOUBLE_EQ(ConfigNumber(defaults, i), c.defaultValue) << c.control;
  }
  // The save's order: the fifteen fees, then the ten table fees and the nine entry fees.
  EXPECT_EQ(ConfigNumberFields()[14].control, "EdFrRe");
  EXPECT_EQ(ConfigNumberFields()[15].control, "EdCpEg0");
  EXPECT_EQ(ConfigNumberFields()[25].control, "EdCpIn0");
  EXPECT_EQ(ConfigNumberFields()[33].control, "EdCpIn8");
  // Every value has its own field.
  CommitteeConfig c;
  for (size_t i = 0; i < kConfigNumberCount; ++i) ConfigNumber(c, i) = 1000.0 + i;
  for (size_t i = 0; i < kConfigNumberCount; ++i) EXPECT_EQ(ConfigNumber(c, i), 1000.0 + i);
}

TEST(ConfigurationForm, ReloadTakesTheFileButKeepsTheContactsReadAtStart) {
  test::TempDir dir;
  const std::string ini = dir.File("Util_Ked.ini");
  ASSERT_TRUE(WriteFileBytes(ini,
                             "[Compta]\r\nCt_Nm1=du Nord\r\nCt_Eg0=1234,5\r\n"
                             "[Entit\xE9]\r\nCt_Nm1=de l'Est\r\n"
                             "[Frais]\r\nFr_A=99,5\r\nFr_B=68.3\r\n"
                             "[Assist_MCF]\r\nCt_Nm10=0100000000(Autre)\r\n"
                             "[Ftp]\r\nCt_Nm3=arbitre\r\n[Smtp]\r\nCt_Nm6=smtp.example.org\r\n"));
  CommitteeConfig c;
  c.magicContestContact = "0611111111(Paul)";
  c.captionName = "au démarrage";
  c.frB = 1;     // the file's value does not read: back to the default
  c.frC = 2;     // absent from the file: back to the default
  c.smtp[1] = "effacé";
  ReloadConfiguration(c, ini, fr);
  EXPECT_EQ(c.committeeName, "de l'Est");
  EXPECT_DOUBLE_EQ(c.tableFees[0], 1234.5);
  EXPECT_DOUBLE_EQ(c.frA, 99.5);
  EXPECT_DOUBLE_EQ(c.frB, 68.3);
  EXPECT_DOUBLE_EQ(c.frC, 117.1);
  EXPECT_EQ(c.ftp[1], "arbitre");
  EXPECT_EQ(c.smtp[0], "smtp.example.org");
  EXPECT_EQ(c.smtp[1], "");
  EXPECT_EQ(c.magicContestContact, "0611111111(Paul)");
  EXPECT_EQ(c.captionName, "au démarrage");
}

TEST(ConfigurationForm, NumbersShowWithTwoDecimalsAndTheLocalesSeparators) {
  EXPECT_EQ(ConfigNumberText(97.6, fr), "97,60");
  EXPECT_EQ(ConfigNumberText(1234.5, fr), "1" + nbsp + "234,50");
  EXPECT_EQ(ConfigNumberText(1234567.891, fr), "1" + nbsp + "234" + nbsp + "567,89");
  EXPECT_EQ(ConfigNumberText(0, fr), "0,00");
  LocaleFormat english;
  english.decimalSeparator = ".";
  english.thousandsSeparator = ",";
  EXPECT_EQ(ConfigNumberText(1234.5, english), "1,234.50");
}

TEST(ConfigurationForm, ReadsAmountsAsTheLocaleWritesThem) {
  struct Case {
    std::string text;
    std::optional<double> amount;
  };
  const Case cases[] = {
      {"97,60", 97.6},
      {"1" + nbsp + "234,50", 1234.5},  // as the field shows it
      {" 12,5 ", 12.5},
      {"-3", -3},
      {"1,23456", 1.2346},  // four decimals
      {"0,00004", 0},
      {"97.6", std::nullopt},  // the decimal separator is a comma
      {"", std::nullopt},
      {"12,5 €", std::nullopt},
      {"dix", std::nullopt},
      {"1e20", std::nullopt},  // beyond a currency amount
  };
  for (const Case& c : cases) {
    const std::optional<double> v = ParseCurrency(c.text, fr);
    ASSERT_EQ(v.has_value(), c.amount.has_value()) << c.text;
    if (v) {
      EXPECT_DOUBLE_EQ(*v, *c.amount) << c.text;
    }
  }
  EXPECT_EQ(NotAFloatMessage("9x"), "'9x' n'est pas une valeur en virgule flottante correcte");
}

TEST(ConfigurationForm, SaveWritesEveryKeyInOrderIntoANewFile) {
  test::TempDir dir;
  const std::string ini = dir.File("Util_Ked.ini");
  CommitteeConfig c;
  ConfigurationEntries e = EntriesOf(c);
  e.numbers[FieldIndex("EdFrA1")] = "1" + nbsp + "234,50";
  e.numbers[FieldIndex("EdCpIn8")] = "7,125";
  e.committeeName = "de l'Étoile";
  e.ftp = {"ftp.example.org", "arbitre", "secret", "/recus"};
  c.smtp = {"smtp.example.org", "envoi", "motdepasse", "comite@example.org"};
  ASSERT_EQ(SaveConfiguration(c, e, ini, fr), std::nullopt);
  EXPECT_EQ(ReadFileBytes(ini),
            "[Frais]\r\nFr_A=1234,5\r\nFr_A2=5,9\r\nFr_B=68,3\r\nFr_B2=2\r\nFr_C=117,1\r\n"
            "Fr_C2=3,9\r\nFr_D=136,6\r\nFr_E=175,7\r\nFr_E2=5,9\r\nFr_F=205\r\nFr_Et=0,49\r\n"
            "Fr_Cd=19,5\r\nFr_Ki=0,4\r\nFr_Ho=80\r\nFr_Re=25\r\n"
            "[Compta]\r\nCt_Eg0=6\r\nCt_Eg1=12\r\nCt_Eg2=20\r\nCt_Eg3=30\r\nCt_Eg4=40\r\n"
            "Ct_Eg5=60\r\nCt_Eg6=80\r\nCt_Eg7=120\r\nCt_Eg8=200\r\nCt_Eg9=0\r\n"
            "Ct_Ins0=10\r\nCt_Ins1=18\r\nCt_Ins2=20\r\nCt_Ins3=22\r\nCt_Ins4=36\r\n"
            "Ct_Ins5=44\r\nCt_Ins6=50\r\nCt_Ins7=100\r\nCt_Ins8=7,125\r\n"
            "[Entit\xE9]\r\nCt_Nm1=de l'\xC9toile\r\n"
            "[Ftp]\r\nCt_Nm2=ftp.example.org\r\nCt_Nm3=arbitre\r\nCt_Nm4=secret\r\n"
            "Ct_Nm5=/recus\r\n"
            "[Smtp]\r\nCt_Nm6=smtp.example.org\r\nCt_Nm7=envoi\r\nCt_Nm8=motdepasse\r\n"
            "Ct_Nm9=comite@example.org\r\n"
            "[Assist_MCF]\r\nCt_Nm10=0601020304(Bernard)\r\n"
            "[Assist_Arb]\r\nCt_Nm11=0605060708(Sylvie)\r\n");
  // What was written reads back.
  const CommitteeConfig back = ReadCommitteeConfig(ini, fr);
  EXPECT_DOUBLE_EQ(back.frA, 1234.5);
  EXPECT_DOUBLE_EQ(back.entryFees[8], 7.125);
  EXPECT_EQ(back.committeeName, "de l'Étoile");
}

TEST(ConfigurationForm, SaveLeavesEveryOtherLineOfTheFileAsItWas) {
  test::TempDir dir;
  const std::string ini = dir.File("Util_Ked.ini");
  const std::string before =
      "; comit\xE9\r\n[Compta]\r\nCt_Nm1=du Nord\r\nCt_Eg3=31\r\n\r\n"
      "[MiseAjour]\r\nNoValide=1\r\nDate=15/10/2011\r\n"
      "[Frais]\r\nFr_Re=26\r\nAutre=garde\r\n";
  ASSERT_TRUE(WriteFileBytes(ini, before));
  CommitteeConfig c = ReadCommitteeConfig(ini, fr);
  ConfigurationEntries e = EntriesOf(c);
  e.numbers[FieldIndex("EdCpEg3")] = "32";
  e.refereeContact = "0612345678(Luc)";
  ASSERT_EQ(SaveConfiguration(c, e, ini, fr), std::nullopt);
  const std::string after = *ReadFileBytes(ini);
  // The keys already there change in place; the others keep their lines.
  EXPECT_EQ(after.rfind("; comit\xE9\r\n[Compta]\r\nCt_Nm1=du Nord\r\nCt_Eg3=32\r\n", 0), 0u)
      << after;
  EXPECT_NE(after.find("[MiseAjour]\r\nNoValide=1\r\nDate=15/10/2011\r\n[Frais]\r\nFr_Re=26\r\n"
                       "Autre=garde\r\n"),
            std::string::npos)
      << after;
  const CommitteeConfig back = ReadCommitteeConfig(ini, fr);
  EXPECT_EQ(back.captionName, "du Nord");  // the caption's name is never saved
  EXPECT_EQ(back.refereeContact, "0612345678(Luc)");
  EXPECT_DOUBLE_EQ(back.tableFees[3], 32);
  EXPECT_DOUBLE_EQ(back.frA, 97.6);
}

TEST(ConfigurationForm, ABadNumberStopsTheSaveBeforeAnythingIsWritten) {
  test::TempDir dir;
  const std::string ini = dir.File("Util_Ked.ini");
  CommitteeConfig c;
  ConfigurationEntries e = EntriesOf(c);
  for (size_t i = 0; i < kConfigNumberCount; ++i) e.numbers[i] = std::to_string(i + 1);
  e.numbers[FieldIndex("EdCpEg2")] = "12.5";
  e.committeeName = "jamais écrit";
  EXPECT_EQ(SaveConfiguration(c, e, ini, fr),
            "'12.5' n'est pas une valeur en virgule flottante correcte");
  EXPECT_FALSE(FileExists(ini));
  // The numbers before it were converted, the others were not.
  EXPECT_DOUBLE_EQ(c.frA, 1);
  EXPECT_DOUBLE_EQ(c.tableFees[1], 17);
  EXPECT_DOUBLE_EQ(c.tableFees[2], 20);
  EXPECT_DOUBLE_EQ(c.entryFees[0], 10);
  EXPECT_EQ(c.committeeName, "de Belmorie");
}

TEST(ConfigurationForm, TextsAreSavedOnOneLineAndAFailedWriteIsReported) {
  test::TempDir dir;
  const std::string ini = dir.File("Util_Ked.ini");
  CommitteeConfig c;
  ConfigurationEntries e = EntriesOf(c);
  e.committeeName = "de l'Est\r\n[Frais]\r\nFr_A=1";
  ASSERT_EQ(SaveConfiguration(c, e, ini, fr), std::nullopt);
  const CommitteeConfig back = ReadCommitteeConfig(ini, fr);
  EXPECT_EQ(back.committeeName, "de l'Est  [Frais]  Fr_A=1");
  EXPECT_DOUBLE_EQ(back.frA, 97.6);

  const std::string unreachable = dir.File("absent/Util_Ked.ini");
  EXPECT_EQ(SaveConfiguration(c, e, unreachable, fr), "Impossible d'écrire dans " + unreachable);
}

TEST(ConfigurationForm, EveryCommitteeFormIsAOnePageTemplateOfOurs) {
  for (const CommitteeForm& form : CommitteeForms()) {
    SCOPED_TRACE(form.templateFile);
    TemplateParseError error;
    const auto report =
        LoadTemplateFile(std::string(KED_SOURCE_DIR) + "/install/" + form.templateFile, error);
    ASSERT_TRUE(report) << error.line << " " << error.message;
    ASSERT_EQ(report->pages.size(), 1u);
    const TemplatePage& page = report->pages[0];
    const double width = page.widthMm - page.marginLeft - page.marginRight;
    const double height = page.heightMm - page.marginTop - page.marginBottom;
    double used = 0;
    for (const TemplateBand& band : page.bands) {
      used += band.heightMm;
      EXPECT_TRUE(band.dataset.empty()) << band.name;  // no data: filled by hand
      for (const TemplateObject& o : band.objects) {
        const ReportItem& i = o.item;
        EXPECT_LE(std::max(i.x, i.x + i.width), width + 1e-9) << band.name << " " << i.text;
        EXPECT_LE(std::max(i.y, i.y + i.height), band.heightMm + 1e-9) << band.name << " " << i.text;
        EXPECT_GE(std::min(i.x, i.y), 0) << band.name;
        EXPECT_EQ(i.text.find('['), std::string::npos) << "no value is given to " << i.text;
      }
    }
    EXPECT_LE(used, height) << "fits on one page";
  }
}

}  // namespace
}  // namespace ked
