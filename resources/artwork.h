// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QStringList>
#include <QStringView>

// The program's own pictures, compiled in as Qt resources (SVG). Load them
// with QIcon, QPixmap or QSvgRenderer; each one's natural size is its role's
// size on screen.
namespace quillsite::artwork {

inline constexpr QStringView Globe = u":/artwork/globe.svg";                       // 48 x 48
inline constexpr QStringView GlobeSmall = u":/artwork/globe-16.svg";               // 16 x 16
inline constexpr QStringView BannerGlobeHand = u":/artwork/banner-globe-hand.svg"; // 48 x 48
inline constexpr QStringView WelcomeSide = u":/artwork/welcome-side.svg";          // 164 x 314
inline constexpr QStringView NoPreviewLarge = u":/artwork/no-preview-190.svg";     // 190 x 190
inline constexpr QStringView NoPreviewSmall = u":/artwork/no-preview-80.svg";      // 80 x 80
inline constexpr QStringView WordMark = u":/artwork/wordmark.svg";                 // 136 x 67

// Add Page dialog: the three tab images, the list item icon (16 x 16) and the
// decorative picture beside the fields (65 x 114).
inline constexpr QStringView TabBlank = u":/artwork/addpage/blank-page.svg";
inline constexpr QStringView TabOpen = u":/artwork/addpage/open-page.svg";
inline constexpr QStringView TabTemplate = u":/artwork/addpage/template-page.svg";
inline constexpr QStringView PageItem = u":/artwork/addpage/page-item.svg";
inline constexpr QStringView QuillPages = u":/artwork/addpage/quill-pages.svg";

// The 16 x 16 buttons of Build Pages beside the formatting: a large editor and a preview.
inline constexpr QStringView LargeEditorButton = u":/artwork/toolbar/large-editor.svg";
inline constexpr QStringView PreviewButton = u":/artwork/toolbar/preview.svg";

// The thirteen 16 x 16 toolbar images: Add Page, Delete Page, bold, italic,
// underline, align left, centre, right, numbered list, bulleted list, link,
// picture, font.
QStringList toolbarImages();

// The program icon: the globe, with its pixel-fitted 16 pixel drawing for
// small sizes.
QIcon programIcon();

} // namespace quillsite::artwork
