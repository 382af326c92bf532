#include "shell/CommandTable.h"

#include <algorithm>
#include <cctype>

namespace ked {
namespace {

Action Pdf(const char* file, bool presenceTest) {
  Action a;
  a.kind = ActionKind::OpenDocument;
  a.file = file;
  a.presenceTest = presenceTest;
  return a;
}
Action Export(const char* file) {
  Action a;
  a.kind = ActionKind::ExportTemplate;
  a.file = file;
  return a;
}
Action Show(WindowId w, int preset = kNoPreset) {
  Action a;
  a.kind = ActionKind::ShowWindow;
  a.window = w;
  a.preset = preset;
  return a;
}
Action Kind(ActionKind k) {
  Action a;
  a.kind = k;
  return a;
}
Action Popup(int n) {
  Action a;
  a.kind = ActionKind::OpenPopup;
  a.popup = n;
  return a;
}

// Documents and whether they are opened with a presence test.
Action Code() { return Pdf("code.pdf", true); }
Action Rnc() { return Pdf("RNC.pdf", true); }
Action Rpi() { return Pdf("RPI.pdf", true); }
Action Rked() { return Pdf("RKED.pdf", true); }
Action AppelPdf() { return Pdf("Appel.pdf", true); }
Action RapportPdf() { return Pdf("RapportArbitrage.pdf", true); }
Action FraisPdf() { return Pdf("FicheArbitrage.pdf", true); }
Action ComptablePdf() { return Pdf("DocumentComptable.pdf", true); }
Action Charte() { return Pdf("Charte.pdf", false); }
Action Tarifs() { return Pdf("Tarifs.pdf", false); }
Action Bridgemate() { return Pdf("BridgMat_Pro_Serveur.pdf", false); }
Action McfPaires() { return Pdf("MCF_Paires.pdf", false); }
Action McfQuatre() { return Pdf("MCF_Quatre.pdf", false); }
Action McfTpp() { return Pdf("Magic_Contest_TPP.pdf", false); }
Action McfQlm() { return Pdf("manuel_magic_contest_equipes_QLM.pdf", false); }
Action McfRegional() { return Pdf("MCF_tournois_regionaux.pdf", false); }

ButtonCommand Button(const char* name, const char* caption, Action action,
                     Panel panel = Panel::None, int help = 0) {
  ButtonCommand b;
  b.name = name;
  b.caption = caption;
  b.action = std::move(action);
  b.panel = panel;
  b.helpNumber = help;
  if (panel == Panel::Printing) b.hint = kPrintingHint;
  if (panel == Panel::Creation) b.hint = kCreationHint;
  return b;
}

MenuCommand Item(const char* caption, Action action, int help = 0) {
  MenuCommand m;
  m.caption = caption;
  m.action = std::move(action);
  m.helpNumber = help;
  return m;
}
MenuCommand Sep(MenuCommand m) {
  m.separatorAfter = true;
  return m;
}
MenuCommand Disabled(MenuCommand m) {
  m.enabled = false;
  return m;
}
MenuCommand Sub(const char* caption, std::vector<MenuCommand> items, int help = 0) {
  MenuCommand m;
  m.caption = caption;
  m.items = std::move(items);
  m.helpNumber = help;
  return m;
}

// A separator "before" an item is one after the item that precedes it.
void SeparatorBefore(std::vector<MenuCommand>& items, const std::string& caption) {
  auto it = std::find_if(items.begin(), items.end(),
                         [&](const MenuCommand& m) { return m.caption == caption; });
  if (it != items.begin() && it != items.end()) std::prev(it)->separatorAfter = true;
}

void NameItems(std::vector<MenuCommand>& items, std::vector<std::string>& used) {
  for (MenuCommand& m : items) {
    m.name = MenuItemName(m.caption, used);
    NameItems(m.items, used);
  }
}

std::vector<MenuCommand> BuildMainMenu() {
  std::vector<MenuCommand> impression = {
      Sep(Item("&Charte des arbitres", Charte(), 8)),
      Sep(Item("Tarifs Epreuves Fédérales", Tarifs())),
      Item("&Comptable", ComptablePdf(), 5),
      Item("&Frais d'arbitrage", FraisPdf()),
      Sep(Item("&Rapport", RapportPdf(), 4)),
      Item("&Appel", AppelPdf(), 7),
      Sep(Item("Co&mmission d'appel", Kind(ActionKind::PrintAppealCommittee))),
      Sep(Item("Barème Imps/PV", Show(WindowId::Vp))),
      Item("Manuel Bridgemate Pro", Bridgemate()),
  };
  std::vector<MenuCommand> modeles = {
      Sep(Item("&Rapport", Export("crendarb.doc"), 4)),
      Item("&Appel", Export("Appel.doc"), 7),
      Sep(Item("Co&mmission d'appel", Export("commis.doc"))),
      Item("Document Comptable", Export("DocumentComptable.xls")),
      Item("&Frais d'arbitrage", Export("FicheArbitrage.xls")),
  };
  std::vector<MenuCommand> references = {
      Item("Code International", Code()),
      Item("Règlement National des Compétitions", Rnc()),
      Item("Recueil Permanent national d'Informations", Rpi()),
      Item("Recueil des incidents Belmorie", Rked()),
  };
  std::vector<MenuCommand> paires = {
      Sub("Notice Magic Contest France",
          {Item("Avec Bridgemate", McfTpp()), Item("Sans Bridgemate", McfPaires()),
           Item("Tournoi régional", McfRegional())}),
      Item("Mouvement Inter-Séances", Show(WindowId::Movements)),
      Item("Serpentin Optimisé", Show(WindowId::Balancing)),
      Item("Horaires", Show(WindowId::Organisation, 0)),
      Disabled(Item("Initialisation Paramètres MCF", Kind(ActionKind::None))),
  };
  SeparatorBefore(paires, "Mouvement Inter-Séances");
  SeparatorBefore(paires, "Initialisation Paramètres MCF");
  std::vector<MenuCommand> quatre = {
      Sub("Notice Magic Contest France",
          {Item("Avec Bridgemate", McfQlm()), Item("Sans Bridgemate", McfQuatre())}),
      Item("Paton Suisse : &GaNa", Show(WindowId::Gana)),
      Item("Paton Suisse : Bonus", Show(WindowId::Organisation, kNoTypeSelected)),
      Item("Poule : Ordre des &Tours", Show(WindowId::Pool)),
      Item("Horaires", Show(WindowId::Organisation, 1)),
      Disabled(Sub("Initialisation Paramètres MCF",
                   {Disabled(Item("Poule", Kind(ActionKind::None))),
                    Disabled(Item("Suisse", Kind(ActionKind::None))),
                    Disabled(Item("Américain", Kind(ActionKind::None))),
                    Disabled(Item("Baromètre (Poule)", Kind(ActionKind::None)))})),
  };
  SeparatorBefore(quatre, "Paton Suisse : &GaNa");
  SeparatorBefore(quatre, "Initialisation Paramètres MCF");
  MenuCommand toggle = Item("Ne pas vérifier automatiquement la mise à jour",
                            Kind(ActionKind::ToggleUpdateCheck));
  toggle.checkable = true;
  std::vector<MenuCommand> aides = {
      Item("Problémes avec Magic Contest", Kind(ActionKind::MagicContestAssistance)),
      Sep(Item("Problème d'arbitrage", Kind(ActionKind::RefereeAssistance))),
      Item("Prise de contrôle à distance (Puis contacter l'aide)",
           Kind(ActionKind::RemoteControl)),
      Sep(Item("Page Web Arbitrage (téléchargement)", Kind(ActionKind::WebPage))),
      toggle,
      Sep(Item("&M'écrire (Remarques, améliorations, ... )", Kind(ActionKind::Mail))),
      Item("à &Propos", Show(WindowId::About)),
  };
  std::vector<MenuCommand> menu = {
      Sub("&Impression", std::move(impression), 2),
      Sub("&Modéles", std::move(modeles), 3),
      Sub("Références", std::move(references)),
      Sub("par &Paires", std::move(paires)),
      Sub("par &Quatre", std::move(quatre)),
      Sub("Aides/Informations", std::move(aides)),
      Item("Qui&tter", Kind(ActionKind::Quit)),
  };
  return menu;
}

std::vector<MenuCommand> BuildPopup(int popup) {
  std::vector<MenuCommand> items;
  if (popup == 1) {
    items = {Item("Problèmes avec Magic Contest", Kind(ActionKind::MagicContestAssistance)),
             Item("Problèmes d''arbitrage", Kind(ActionKind::RefereeAssistance)),
             Item("Page Téléchargement logiciels et Mise à jour", Kind(ActionKind::WebPage))};
  } else if (popup == 2) {
    items = {Item("Par Paires avec Bridgemate", McfTpp()),
             Sep(Item("Par Quatre avec Bridgemate", McfQlm())),
             Item("Par Paires sans Bridgemate", McfPaires()),
             Sep(Item("Par Quatre sans Bridgemate", McfQuatre())),
             Item("GaNa sans BridgeMates", Pdf("MCF_GaNa_SansBM.pdf", false)),
             Sep(Item("Américain sans BridgeMates", Pdf("MCF_Americain.pdf", false))),
             Sep(Item("Tournoi Régional", McfRegional())),
             Item("Manuel Bridgemate Pro", Bridgemate())};
  } else if (popup == 3) {
    items = {Item("Accés au R.N.C.", Rnc()), Item("Modification du R.N.C.", Pdf("RNCM.pdf", true))};
  }
  return items;
}

// Names are unique across the main menu and the popups, as in one window.
struct NamedMenus {
  std::vector<MenuCommand> main;
  std::vector<MenuCommand> popups[3];
  NamedMenus() {
    std::vector<std::string> used;
    main = BuildMainMenu();
    NameItems(main, used);
    for (int i = 0; i < 3; ++i) {
      popups[i] = BuildPopup(i + 1);
      NameItems(popups[i], used);
    }
  }
};
const NamedMenus& Menus() {
  static const NamedMenus menus;
  return menus;
}

}  // namespace

const std::vector<ButtonCommand>& MainButtons() {
  static const std::vector<ButtonCommand> buttons = [] {
    const Panel P = Panel::Printing, C = Panel::Creation;
    std::vector<ButtonCommand> b = {
        Button("TacheBp", "Charte des arbitres du Comité", Charte(), Panel::None, 8),
        Button("BpTarifs", "Tarifs applicables pour la saison", Tarifs(), Panel::None, 8),
        Button("BpAppel", "Appel", AppelPdf(), P, 6),
        Button("bprapport", "Rapport", RapportPdf(), P, 4),
        Button("BpFrais", "Frais Arbitrage", FraisPdf(), P, 5),
        Button("bpcompte", "Comptable", ComptablePdf(), P, 5),
        Button("BpCommi", "Commission d'appel", Kind(ActionKind::PrintAppealCommittee), P, 5),
        Button("BpWappel", "Appel", Export("Appel.doc"), C, 6),
        Button("BpWRapport", "Rapport", Export("crendarb.doc"), C, 4),
        Button("BpWFrais", "Frais Arbitrage", Export("FicheArbitrage.xls"), C, 5),
        Button("BpWCompte", "Comptable", Export("DocumentComptable.xls"), C, 5),
        Button("BpWCommi", "Commission d'appel", Export("commis.doc"), C, 5),
        Button("Bt_Aide", "Aides", Popup(1)),
        Button("BpCode", "Code", Code()),
        Button("BpRnc", "R.N.C.", Popup(3)),
        Button("BtTelephone", "Téléphone", Pdf("Info_joueurs_cigarettes_téléphones.pdf", true)),
        Button("BpRpi", "R.P.I.", Rpi()),
        Button("BpRked", "R.Ked", Rked()),
        Button("BpMcf", "M. C. F.", Popup(2)),
        Button("RpImpPV", "IMP/PV", Show(WindowId::Vp)),
        Button("BpGhana", "Patton Suisse : GANA", Show(WindowId::Gana)),
        Button("BpSuise", "Patton Suisse : Bonus/Tours",
               Show(WindowId::Organisation, kNoTypeSelected)),
        Button("Button3", "Poule : Ordre des Tours", Show(WindowId::Pool)),
        Button("Button4", "Paires : Mouvements Inter-séances", Show(WindowId::Movements)),
        Button("Button5", "Paires : Serpentin Optimisé", Show(WindowId::Balancing)),
        Button("BpHorrairesQuatre", "Propositions Horaires",
               Show(WindowId::Organisation, kNoTypeSelected)),
        Button("BtRecommandations", "Recommandations d'arbitrage",
               Pdf("Recommandations.pdf", true)),
        Button("BtGuide", "Guide pratique d'arbitrage", Pdf("Guide.pdf", true)),
        Button("Button1", "Problèmes d'arbitrage à remonter au format", Kind(ActionKind::None)),
        Button("BtPbDoc", "Texte", Export("ProblemeArbitrage.doc")),
        Button("BtPbXls", "Tableur", Kind(ActionKind::None)),
        Button("BtPbPdf", "P D F", Pdf("ProblemeArbitrage.pdf", true)),
        Button("BpModification", "Pour adapter l'application à un autre Comité",
               Show(WindowId::Config)),
        Button("Button2", "Quitter", Kind(ActionKind::Quit)),
    };
    for (auto& button : b) {
      if (button.name == "BtPbXls") button.enabled = false;
      if (button.name == "BpWFrais") button.hint = "Création d'un fichier Excel";
    }
    return b;
  }();
  return buttons;
}

const std::vector<MenuCommand>& MainMenu() { return Menus().main; }

const std::vector<MenuCommand>& PopupMenu(int popup) {
  static const std::vector<MenuCommand> none;
  return popup >= 1 && popup <= 3 ? Menus().popups[popup - 1] : none;
}

std::string MenuItemName(const std::string& caption, std::vector<std::string>& used) {
  std::string base;
  for (unsigned char c : caption)
    if (c < 0x80 && std::isalnum(c)) base += static_cast<char>(c);
  if (base.empty() || std::isdigit(static_cast<unsigned char>(base[0]))) base = "N" + base;
  for (int n = 1;; ++n) {
    std::string name = base + std::to_string(n);
    if (std::find(used.begin(), used.end(), name) == used.end()) {
      used.push_back(name);
      return name;
    }
  }
}

}  // namespace ked
