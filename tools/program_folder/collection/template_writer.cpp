#include "template_writer.h"

#include "images/element_picture.h"
#include "images/file_bytes.h"
#include "images/ui/qt_picture.h"
#include "standard_face.h"
#include "work/mask.h"

namespace lumena::tools {

namespace {

namespace fs = std::filesystem;

// A pixel fainter than this belongs neither to the crop nor to a region:
// recolouring it would show nothing.
constexpr int kFaintest = 3;
constexpr int kCropMargin = 3;
// Nail pictures are fitted by the laying code, keeping proportions.
constexpr int kNailFit = 100;
// The portrait's top-left seen from the table's centre.
constexpr QPoint kPortraitFromTableCentre(-(standard_face::kPortrait.width() + 1) / 2,
                                          -standard_face::kPortrait.height() / 2);

QRect DrawnBox(const QImage& picture) {
  int left = picture.width(), top = picture.height(), right = -1, bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (qAlpha(row[x]) < kFaintest) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) throw std::runtime_error("a template with nothing drawn");
  return QRect(QPoint(left, top), QPoint(right, bottom))
      .adjusted(-kCropMargin, -kCropMargin, kCropMargin, kCropMargin)
      .intersected(picture.rect());
}

// A pixel belongs to a region where the region's shapes clearly cover it
// (a gloss over lipstick) or make up a fair share of its opacity (a faint
// blush edge); a frame's rim drawn over its lens has left the lens.
bool Belongs(int coverage, int opacity) {
  if (opacity < kFaintest || coverage < kFaintest) return false;
  return coverage >= kFaintest * 4 || coverage * 100 >= opacity * 35;
}

void WriteMask(const Picture& picture, const TemplateCanvas& canvas, const QRect& box, const fs::path& file) {
  TMask mask;
  mask.SetPicture(picture);
  const std::span<uint8_t> cells = mask.CellsView();
  for (int region = 1; region <= kCanvasRegions; ++region) {
    const QImage& coverage = canvas.Coverage(region);
    if (coverage.isNull()) continue;
    const uint8_t bit = static_cast<uint8_t>(1u << (region - 1));
    for (int y = 0; y < box.height(); ++y) {
      const uchar* row = coverage.constScanLine(y + box.top()) + box.left();
      for (int x = 0; x < box.width(); ++x)
        if (Belongs(row[x], picture.At(x, y).a)) cells[y * box.width() + x] |= bit;
    }
  }
  WriteFileBytes(file, mask.MaskBytes());
}

// Faint pixels left outside the crop are dropped with it; inside it they are
// cleared too, so the picture and its crop agree.
Picture StraightPicture(const QImage& premultiplied) {
  Picture picture = FromQImage(premultiplied);
  for (Pixel& p : picture.Pixels())
    if (p.a < kFaintest) p = Pixel{};
  return picture;
}

QPoint PlaceOf(Placement placement, const QRect& area, const QRect& box) {
  switch (placement) {
    case Placement::Face:
      return area.topLeft() + box.topLeft() - standard_face::kAnchor.toPoint();
    case Placement::Nail:
      return {kNailFit, kNailFit};
    case Placement::Body:
      return {0, 0};
    case Placement::Work:
      return kPortraitFromTableCentre;
  }
  return {};
}

bool IsCropped(Placement placement) { return placement == Placement::Face || placement == Placement::Nail; }

}  // namespace

TemplateWriter::TemplateWriter(fs::path folder, int typeNumber) : folder_(std::move(folder)), typeNumber_(typeNumber) {
  fs::create_directories(folder_);
}

void TemplateWriter::AddTitle(std::string_view file, std::string_view caption, const QImage& card) {
  const std::string name = std::string(file) + ".psd";
  SaveElementPicture(FromQImage(card), folder_ / name);
  records_.push_back({typeNumber_, kTitleEntryX, 0, name, std::string(caption), {}});
}

void TemplateWriter::Add(const TemplateEntry& entry, const TemplateCanvas& canvas, Placement placement) {
  const QImage& full = canvas.Picture();
  const QRect box = IsCropped(placement) ? DrawnBox(full) : full.rect();
  const Picture picture = StraightPicture(full.copy(box));
  const std::string base(entry.file);
  SaveElementPicture(picture, folder_ / (base + ".psd"));
  WriteMask(picture, canvas, box, folder_ / (base + ".msk"));
  const QPoint place = PlaceOf(placement, canvas.Area(), box);
  records_.push_back(
      {typeNumber_, place.x(), place.y(), base + ".psd", std::string(entry.name), std::string(entry.tags)});
}

TemplateCanvas CanvasFor(Placement placement) {
  switch (placement) {
    case Placement::Face:
      return TemplateCanvas(standard_face::kDrawingArea);
    case Placement::Nail:
      return TemplateCanvas(kNailArea);
    case Placement::Body:
    case Placement::Work:
      break;
  }
  return TemplateCanvas(QRect(QPoint(0, 0), standard_face::kPortrait));
}

}  // namespace lumena::tools
