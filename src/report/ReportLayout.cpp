#include "report/ReportLayout.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/LocaleFormat.h"

namespace ked {

namespace {

std::string PlainDouble(double value) {
  if (!std::isfinite(value)) return std::isnan(value) ? "NAN" : (value > 0 ? "INF" : "-INF");
  char buffer[64];
  auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                 std::chars_format::general, 15);
  return std::string(buffer, ptr);
}

std::string Formatted(double value, const std::string& format) {
  LocaleFormat locale;
  locale.decimalSeparator = format.size() > 1 ? std::string(1, format[1]) : ".";
  int decimals = format.size() > 2 ? static_cast<int>(format.size()) - 2 : 0;
  return FormatFixed(value, decimals, false, locale);
}

std::string NormalizedBreaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

std::string ValueText(const ReportValue& value, const std::string& format) {
  if (auto* s = std::get_if<std::string>(&value)) return NormalizedBreaks(*s);
  if (auto* i = std::get_if<long long>(&value))
    return format.empty() ? std::to_string(*i) : Formatted(static_cast<double>(*i), format);
  if (auto* d = std::get_if<double>(&value))
    return format.empty() || !std::isfinite(*d) ? PlainDouble(*d) : Formatted(*d, format);
  if (auto* b = std::get_if<bool>(&value)) return *b ? "Vrai" : "Faux";
  return "";
}

bool IsTrueValue(const ReportValue& value) {
  if (auto* b = std::get_if<bool>(&value)) return *b;
  if (auto* i = std::get_if<long long>(&value)) return *i != 0;
  if (auto* d = std::get_if<double>(&value)) return *d != 0 && !std::isnan(*d);
  if (auto* s = std::get_if<std::string>(&value)) return !s->empty();
  return false;
}

std::string ExpandVariables(const std::string& text, const std::string& format,
                            const std::function<ReportValue(const std::string&)>& valueOf) {
  std::string out;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t open = text.find('[', pos);
    size_t close = open == std::string::npos ? open : text.find(']', open + 1);
    if (close == std::string::npos) {
      out.append(text, pos, std::string::npos);
      break;
    }
    out.append(text, pos, open - pos);
    const std::string inside = text.substr(open + 1, close - open - 1);
    const size_t ask = inside.find('?');
    if (ask == std::string::npos) {
      out += ValueText(valueOf(inside), format);
    } else {
      const size_t bar = inside.find('|', ask + 1);
      if (IsTrueValue(valueOf(inside.substr(0, ask))))
        out.append(inside, ask + 1, bar == std::string::npos ? std::string::npos : bar - ask - 1);
      else if (bar != std::string::npos)
        out.append(inside, bar + 1, std::string::npos);
    }
    pos = close + 1;
  }
  return out;
}

ReportBuildPage::ReportBuildPage(const TemplatePage& page, ReportDocument& out,
                                 ValueLookup valueOf)
    : page_(page), out_(out), valueOf_(std::move(valueOf)) {}

const TemplateBand* ReportBuildPage::FindBand(const std::string& name) const {
  for (const auto& band : page_.bands)
    if (SameNameIgnoringCase(band.name, name)) return &band;
  return nullptr;
}

double ReportBuildPage::BodyBottom() const {
  double bottom = page_.heightMm - page_.marginBottom;
  for (const auto& band : page_.bands)
    if (band.kind == BandKind::PageFooter) bottom -= band.heightMm;
  return bottom;
}

void ReportBuildPage::OpenPage() {
  if (out_.pages.size() >= kMaxReportPages)
    throw ReportBuildAborted("l'état dépasse " + std::to_string(kMaxReportPages) +
                             " pages (un jeu de données sans fin ?)");
  ReportPage page;
  page.widthMm = page_.widthMm;
  page.heightMm = page_.heightMm;
  out_.pages.push_back(std::move(page));
  if (onPageStarted) onPageStarted(static_cast<int>(out_.pages.size()));
  open_ = opened_ = true;
  hasBody_ = false;
  breakPending_ = false;
  cursorY_ = page_.marginTop;
  for (const auto& band : page_.bands) {
    if (band.kind != BandKind::PageHeader || !Visible(band.visibleIf)) continue;
    Lay(band, cursorY_);
    cursorY_ += band.heightMm;
  }
}

void ReportBuildPage::ClosePage() {
  double y = BodyBottom();
  for (const auto& band : page_.bands) {
    if (band.kind != BandKind::PageFooter) continue;
    if (Visible(band.visibleIf)) Lay(band, y);
    y += band.heightMm;
  }
  open_ = false;
}

void ReportBuildPage::Emit(const TemplateBand& band) {
  if (!Visible(band.visibleIf)) return;
  if (!open_) {
    OpenPage();
  } else if (breakPending_ || (hasBody_ && cursorY_ + band.heightMm > BodyBottom() + 1e-9)) {
    // A band taller than a whole page goes on a fresh page and is cut at its foot.
    ClosePage();
    OpenPage();
  }
  Lay(band, cursorY_);
  cursorY_ += band.heightMm;
  hasBody_ = true;
}

void ReportBuildPage::BreakPage() {
  if (open_ && hasBody_) breakPending_ = true;
}

void ReportBuildPage::Finish() {
  if (!opened_) OpenPage();
  if (open_) ClosePage();
}

void ReportBuildPage::Lay(const TemplateBand& band, double top) {
  auto& items = out_.pages.back().items;
  for (const auto& object : band.objects) {
    if (!Visible(object.visibleIf)) continue;
    ReportItem item = object.item;
    item.x += page_.marginLeft;
    item.y += top;
    if (item.kind == ReportItem::Kind::Text)
      item.text = ExpandVariables(item.text, object.format, valueOf_);
    items.push_back(std::move(item));
  }
}

bool ReportBuildPage::Visible(const VisibleIf& condition) const {
  if (condition.variable.empty()) return true;
  return IsTrueValue(valueOf_(condition.variable)) != condition.negated;
}

void StartNextPage(ReportBuildPage& page) { page.BreakPage(); }

void EmitBand(ReportBuildPage& page, const std::string& bandName) {
  if (const TemplateBand* band = page.FindBand(bandName)) page.Emit(*band);
}

}  // namespace ked
