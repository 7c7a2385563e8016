#pragma once

#include <QIcon>
#include <functional>

// An icon whose images are read only when it is first drawn or asked for them, so that a window
// builds its buttons without decoding an image that it may never show (a greyed form, a hidden
// page's button, the window's own icon on a platform that never asks for it). `build` makes the
// icon then; `null` is what QIcon::isNull() answers until it is built.
namespace DeferredIcon {

QIcon make(std::function<QIcon()> build, bool null);

} // namespace DeferredIcon
