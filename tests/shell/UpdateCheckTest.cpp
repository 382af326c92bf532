#include "shell/UpdateCheck.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/LocalHttpServer.h"

namespace ked {
namespace {

TEST(PageExists, AgainstARealServerOnLoopback) {
  test::LocalHttpServer server({"/arbitrage/index.html"});
  EXPECT_TRUE(PageExists(server.Url("/arbitrage/index.html")));
  EXPECT_EQ(server.lastAccept(), "text/html, */*");
  EXPECT_FALSE(PageExists(server.Url("/arbitrage/Util_Ked_13.23.12.html")));
  EXPECT_EQ(server.requests(), 2);
}

TEST(PageExists, ClosedPortAndBadAddressFailQuickly) {
  int port;
  {
    test::LocalHttpServer gone({});
    port = std::stoi(gone.Url("").substr(17));
  }
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(PageExists("http://127.0.0.1:" + std::to_string(port) + "/arbitrage/index.html"));
  EXPECT_FALSE(PageExists("http:\\\\127.0.0.1\\util_ked.php"));
  EXPECT_FALSE(PageExists(""));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

TEST(UpdateCheck, SiteAddresses) {
  const std::string host = SiteHostName();
  EXPECT_EQ(IndexPageAddress(), "http://" + host + "/arbitrage/index.html");
  EXPECT_EQ(VersionPageAddress(), "http://" + host + "/arbitrage/Util_Ked_13.23.12.html");
  EXPECT_EQ(DownloadPageAddress(), "http:\\\\" + host + "\\util_ked.php");
  EXPECT_EQ(MailAddress(), "mailto:" + MakerMailAddress() + "?subject=Util_Ked 13.23.12");
}

TEST(UpdateCheck, ProbeOrder) {
  std::vector<std::string> asked;
  auto probe = [&](bool index, bool version) {
    asked.clear();
    return ProbeForUpdate([&, index, version](const std::string& a) {
      asked.push_back(a);
      return a == IndexPageAddress() ? index : version;
    });
  };
  EXPECT_EQ(probe(false, true), UpdateStatus::SiteUnreachable);
  EXPECT_EQ(asked.size(), 1u);  // the version page is not asked for
  EXPECT_EQ(probe(true, true), UpdateStatus::Current);
  EXPECT_EQ(probe(true, false), UpdateStatus::NewerVersion);
  EXPECT_EQ(asked, (std::vector<std::string>{IndexPageAddress(), VersionPageAddress()}));
}

TEST(UpdateCheck, NewVersionMessageAsWritten) {
  EXPECT_EQ(NewVersionMessage(),
            "Il éxiste une nouvelle version d'Util_Ked\n\n   qui peut être téléchargée sur :\n\n"
            "        http://" + SiteHostName() + "\n\n\n\n Voullez vous la télécharger ?\n");
  EXPECT_EQ(MailFailedMessage(),
            "Le courier électronique par défaut\r\rn'est pas installé correctement");
}

TEST(UpdateSwitchAtStart, TickLastsUntilThe31stDay) {
  const int D = 46000;
  struct Case { bool noValide; int date; int today; bool ticked; bool write; } cases[] = {
      {true, D, D, true, false},       {true, D, D + 30, true, false},
      {true, D, D + 31, false, true},  {true, 0, D, false, true},  // tick without a day
      {false, D, D + 31, false, false}, {false, 0, D, false, false}};
  for (const Case& c : cases) {
    UpdateSwitch s = UpdateSwitchAtStart(c.noValide, c.date, c.today);
    EXPECT_EQ(s.ticked, c.ticked) << c.today - c.date;
    EXPECT_EQ(s.writeUnticked, c.write) << c.today - c.date;
  }
}

TEST(Assistance, MessagesAsWritten) {
  const std::string nb = "\xC2\xA0";
  const std::string question =
      "Avez vous besoin d’une prise en main de votre PC, \n     à distance, par votre correspondant ?";
  Assistance mcf = MagicContestAssistance("0102030405(Paul)");
  EXPECT_EQ(mcf.tool, "AnyDesk.exe");
  EXPECT_EQ(mcf.text.find("Pour un problème avec Magic Contest ou de BridgeMate\n\nContacter dans l’ordre" +
                          nb + ":\n\n  Assistance Comité" + nb + ": 0102030405(Paul)\n\n       Assistance "),
            0u);
  EXPECT_NE(mcf.text.find("\n\n          Urgence "), std::string::npos);
  EXPECT_EQ(mcf.text.substr(mcf.text.size() - question.size() - 3), "\n\n\n" + question);

  Assistance arb = RefereeAssistance("0607080910(Anne)");
  EXPECT_EQ(arb.tool, "TeamViewerQS_fr.exe");
  EXPECT_EQ(arb.text.find("Pour un problème d'arbitrage ou un conseil\n\nContacter dans l’ordre" + nb +
                          ":\n\n  Assistance Comité" + nb + ": 0607080910(Anne)\n\n       Assistance KED" +
                          nb + ": "),
            0u);
  EXPECT_EQ(arb.text.substr(arb.text.size() - question.size() - 3, 3), ")\n\n");
}

}  // namespace
}  // namespace ked
