// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/demosite.h"

#include "builder/pagenames.h"

namespace quillsite {

using namespace Qt::StringLiterals;

SitePage demoHomePage() {
    return {homePageName(), uR"(<h2>Welcome!</h2>
<p>This is the home page of your new website, built by Quillsite. It is plain
HTML, so any browser shows it, and you can put it on any web server as it is.</p>
<p>To make the site your own, build it again with your own pages:
<code>quillsite-build --out FOLDER --page Home=home.html --page "About Me"=about.html</code>.
Each page appears in the menu, in the order you give them.</p>
<p>Or start the Quillsite wizard and write your pages in its editor, with
<b>bold</b>, <i>italic</i> and <u>underlined</u> text, lists, links and pictures.</p>
<ul>
<li>Pick a template for the look.</li>
<li>Type a title and your name.</li>
<li>Write as many pages as you like.</li>
</ul>
<p>Have fun!</p>
)"_s};
}

} // namespace quillsite
