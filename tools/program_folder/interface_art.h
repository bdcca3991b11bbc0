#pragma once
// The look of the default interface: window skins and button pictures,
// drawn from the windows' own layout tables.
#include <QImage>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "interface/window_layout.h"

namespace lumena::tools {

// A window's skin of the given size: the key colour outside a rounded shape,
// a dark caption strip of the layout's caption height, a soft body.
QImage DrawSkin(const WindowLayout& layout, int width, int height);

// The size an interface gives a control instead of its table's, if it does.
using ShownSize = std::function<std::optional<QSize>(const ControlLayout&)>;

// The button picture named by `pictureKey`: every cell that any of the
// layouts cuts from it, on a transparent ground.
QImage DrawButtonPicture(std::string_view pictureKey, std::span<const WindowLayout* const> layouts,
                         const ShownSize& shownSize = {});

// A picture shown whole by a control of the layout: a panel's skin, a
// mode's skin over the layer panel, the palette's tray.
QImage DrawWholePicture(const WindowLayout& layout, const ControlLayout& control);

}  // namespace lumena::tools
