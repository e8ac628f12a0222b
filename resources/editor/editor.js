// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's side of the page. It runs in its own script world (the document's own
// scripts never run): it turns on editing, carries out the program's commands, and reports
// the document and the state of the selection after every change.
//
// The program defines before this script: quillsiteLoadId (which load of the editor this
// page is), quillsiteLargeDocument (the document waits in the bridge instead of having
// been loaded as the page) and quillsiteStyleSheet (the template's look for the content,
// {css, baseUrl}).
(function () {
    'use strict';

    // The engine may inject this script into one document twice (seen when a page is made
    // again for an editor). A second copy would open a second web channel over the same
    // transport and take the first one's answers: each document gets one editor side.
    if (window.quillsite)
        return;

    const statefulCommands = ['bold', 'italic', 'underline', 'justifyLeft', 'justifyCenter',
                              'justifyRight', 'insertOrderedList', 'insertUnorderedList'];
    let bridge = null;
    let request = 0;
    let contentChanged = true;
    let reportScheduled = false;
    let templateSheet = null; // the template's look, beside the document
    // Whether the user has left anything in the page that only the page holds: a caret, a
    // change, something to undo, a scrolled view. An untouched page can be let go of and
    // shown again from its document.
    let touched = false;
    const observer = new MutationObserver(() => {
        contentChanged = true;
        touched = true;
        scheduleReport();
    });

    function documentHtml() {
        const doctype = document.doctype
            ? new XMLSerializer().serializeToString(document.doctype) + '\n' : '';
        return doctype + document.documentElement.outerHTML;
    }

    // Without a caret the document shows what a new paragraph would get: left alignment.
    function commandStates() {
        const hasCaret = document.getSelection().rangeCount > 0;
        const states = {};
        for (const name of statefulCommands) {
            states[name] = {enabled: hasCaret ? document.queryCommandEnabled(name) : true,
                            state: hasCaret ? document.queryCommandState(name)
                                            : name === 'justifyLeft'};
        }
        return states;
    }

    function paragraphStyleAtSelection() {
        const selection = document.getSelection();
        let style = 'p';
        for (let node = selection.rangeCount ? selection.anchorNode : null; node;
             node = node.parentNode) {
            if (/^H[1-3]$/.test(node.nodeName))
                return node.nodeName.toLowerCase();
            if (node.nodeName === 'BLOCKQUOTE')
                style = 'blockquote';
        }
        return style;
    }

    function linkAtSelection() {
        const selection = document.getSelection();
        for (let node = selection.rangeCount ? selection.anchorNode : null; node;
             node = node.parentNode) {
            if (node.nodeName === 'A' && node.hasAttribute('href'))
                return node;
        }
        return null;
    }

    const inlineElements = new Set(['A', 'ABBR', 'B', 'BDI', 'BDO', 'BIG', 'CITE', 'CODE', 'DFN',
        'EM', 'FONT', 'I', 'KBD', 'MARK', 'Q', 'S', 'SAMP', 'SMALL', 'SPAN', 'STRIKE', 'STRONG',
        'SUB', 'SUP', 'TT', 'U', 'VAR']);
    const blockElements = new Set(['ADDRESS', 'ARTICLE', 'ASIDE', 'BLOCKQUOTE', 'DIV', 'DL',
        'FIELDSET', 'FIGURE', 'FOOTER', 'FORM', 'H1', 'H2', 'H3', 'H4', 'H5', 'H6', 'HEADER', 'HR',
        'MAIN', 'NAV', 'OL', 'P', 'PRE', 'SECTION', 'TABLE', 'UL']);
    const fontSizes = ['x-small', 'small', 'medium', 'large', 'x-large', 'xx-large', '3rem'];
    const contentWithoutText = 'img, br, hr, input, video, audio, iframe, object, svg, canvas';

    // An obsolete <font> becomes a <span> with the same look in CSS.
    function fontToSpan(font) {
        const span = font.ownerDocument.createElement('span');
        for (const attribute of font.attributes) {
            if (!['face', 'size', 'color'].includes(attribute.name))
                span.setAttribute(attribute.name, attribute.value);
        }
        if (font.hasAttribute('face'))
            span.style.fontFamily = font.getAttribute('face');
        const size = parseInt(font.getAttribute('size'), 10);
        if (size >= 1 && size <= 7)
            span.style.fontSize = fontSizes[size - 1];
        if (font.hasAttribute('color'))
            span.style.color = font.getAttribute('color');
        span.append(...font.childNodes);
        font.replaceWith(span);
    }

    // A paragraph can't hold a list, a heading or another block: the blocks come out, and
    // the text around them stays in paragraphs of its own.
    function liftBlocksOutOfParagraph(paragraph) {
        const parts = [];
        let run = null;
        for (const child of [...paragraph.childNodes]) {
            if (child.nodeType === Node.ELEMENT_NODE && blockElements.has(child.nodeName)) {
                parts.push(child);
                run = null;
                continue;
            }
            if (!run) {
                run = paragraph.cloneNode(false);
                parts.push(run);
            }
            run.append(child);
        }
        paragraph.replaceWith(...parts.filter((part) => part.nodeName !== 'P' ||
                                                        part.textContent.trim() !== '' ||
                                                        part.querySelector(contentWithoutText)));
    }

    function isEmptyInline(element) {
        if (!inlineElements.has(element.nodeName) || element.textContent !== '')
            return false;
        if (element.querySelector(contentWithoutText))
            return false;
        // An empty link can still be a target for others.
        return !(element.nodeName === 'A' && (element.id || element.hasAttribute('name')));
    }

    // Obsolete alignment (<center>, align="...") becomes CSS.
    function alignWithCss(root) {
        for (const center of [...root.querySelectorAll('center')].reverse()) {
            const division = center.ownerDocument.createElement('div');
            division.style.textAlign = 'center';
            division.append(...center.childNodes);
            center.replaceWith(division);
        }
        for (const block of root.querySelectorAll('p[align], div[align], h1[align], ' +
                                                  'h2[align], h3[align], h4[align]')) {
            block.style.textAlign = block.getAttribute('align');
            block.removeAttribute('align');
        }
    }

    // A copy of root in valid HTML5: no <font> or other obsolete formatting, no block
    // inside a paragraph, no inline element left empty by editing, no picture without its
    // alternative text.
    function cleanHtml5(root) {
        const copy = root.cloneNode(true);
        for (const font of [...copy.querySelectorAll('font')].reverse())
            fontToSpan(font);
        alignWithCss(copy);
        for (const paragraph of [...copy.querySelectorAll('p')].reverse()) {
            if ([...paragraph.children].some((child) => blockElements.has(child.nodeName)))
                liftBlocksOutOfParagraph(paragraph);
        }
        for (const element of [...copy.querySelectorAll('*')].reverse()) {
            if (isEmptyInline(element))
                element.remove();
        }
        for (const image of copy.querySelectorAll('img:not([alt])'))
            image.setAttribute('alt', '');
        return copy;
    }

    // The picture the selection is, as when it was clicked; null otherwise.
    function selectedPicture() {
        const selection = document.getSelection();
        if (selection.rangeCount !== 1)
            return null;
        const range = selection.getRangeAt(0);
        const node = range.startContainer.childNodes[range.startOffset];
        const whole = range.startContainer === range.endContainer
            && range.endOffset === range.startOffset + 1;
        return whole && node && node.nodeName === 'IMG' ? node : null;
    }

    function report() {
        reportScheduled = false;
        if (!bridge)
            return;
        if (observer.takeRecords().length) {
            contentChanged = true;
            touched = true;
        }
        const link = linkAtSelection();
        const picture = selectedPicture();
        touched = touched || document.getSelection().rangeCount > 0
            || document.queryCommandEnabled('undo');
        const snapshot = {
            loadId: quillsiteLoadId,
            request: request,
            states: commandStates(),
            hasCaret: document.getSelection().rangeCount > 0,
            touched: touched,
            paragraphStyle: paragraphStyleAtSelection(),
            link: link ? link.getAttribute('href') : '',
            picture: picture ? {src: picture.getAttribute('src') || '',
                                alt: picture.getAttribute('alt') || '',
                                width: picture.style.width} : null,
            fontName: document.queryCommandValue('fontName'),
            fontSize: document.queryCommandValue('fontSize'),
            foreColor: document.queryCommandValue('foreColor'),
        };
        if (contentChanged) {
            snapshot.documentHtml = documentHtml();
            snapshot.bodyHtml = document.body ? cleanHtml5(document.body).innerHTML : '';
            contentChanged = false;
        }
        bridge.report(snapshot);
    }

    function scheduleReport() {
        if (!reportScheduled) {
            reportScheduled = true;
            queueMicrotask(report);
        }
    }

    // Commands act on the selection; a document never clicked into has none, so they act
    // at its end.
    function ensureSelection() {
        const selection = document.getSelection();
        if (selection.rangeCount === 0 && document.body) {
            const range = document.createRange();
            range.selectNodeContents(document.body);
            range.collapse(false);
            selection.addRange(range);
        }
        return selection;
    }

    function selectWholeLink(selection) {
        const link = linkAtSelection();
        if (link && selection.isCollapsed)
            selection.selectAllChildren(link);
        return link;
    }

    const operations = {
        exec(name) {
            withCssWhen(name.startsWith('justify'), () => document.execCommand(name, false, null));
        },
        // Chromium puts a list made from a paragraph inside that paragraph, where it can't
        // stand; made from a division it replaces it. Taking a paragraph out of a list
        // leaves loose text, which becomes a paragraph again. Each step stays undoable.
        list(name) {
            ensureSelection();
            const removing = document.queryCommandState(name);
            if (!removing && document.queryCommandValue('formatBlock') === 'p')
                document.execCommand('formatBlock', false, 'div');
            document.execCommand(name, false, null);
            if (removing && document.queryCommandValue('formatBlock') === '')
                document.execCommand('formatBlock', false, 'p');
        },
        link(address) {
            const selection = ensureSelection();
            const link = selectWholeLink(selection);
            if (address === '') {
                if (link)
                    document.execCommand('unlink', false, null);
            } else {
                document.execCommand('createLink', false, address);
            }
        },
        // Changes the selected picture, or inserts a new one.
        image(address, alternativeText, width) {
            ensureSelection();
            const selected = selectedPicture();
            const image = selected ? selected.cloneNode() : document.createElement('img');
            image.setAttribute('src', address);
            image.setAttribute('alt', alternativeText);
            image.style.width = width;
            if (image.getAttribute('style') === '')
                image.removeAttribute('style');
            document.execCommand('insertHTML', false, image.outerHTML);
        },
        font(family, htmlSize, color) {
            ensureSelection();
            withCssWhen(true, () => {
                if (family !== '')
                    document.execCommand('fontName', false, family);
                if (htmlSize > 0)
                    document.execCommand('fontSize', false, String(htmlSize));
                if (color !== '')
                    document.execCommand('foreColor', false, color);
            });
        },
        paragraphStyle(tag) {
            ensureSelection();
            setParagraphStyle(tag);
        },
        caretToStart() {
            // Into the first text, so that typing goes into the first paragraph, not before.
            const texts = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT,
                (node) => node.data.trim() ? NodeFilter.FILTER_ACCEPT : NodeFilter.FILTER_SKIP);
            const range = document.createRange();
            range.setStart(texts.nextNode() || document.body, 0);
            range.collapse(true);
            const selection = document.getSelection();
            selection.removeAllRanges();
            selection.addRange(range);
            document.body.focus();
        },
        styleSheet(css, baseUrl) {
            applyStyleSheet(css, baseUrl);
        },
    };

    // Alignment and fonts are written as CSS (text-align, <span style>) instead of the
    // obsolete align attribute and <font>; bold, italic and underline stay <b>, <i>, <u>.
    function withCssWhen(css, command) {
        document.execCommand('styleWithCSS', false, css);
        try {
            command();
        } finally {
            document.execCommand('styleWithCSS', false, false);
        }
    }

    // Paragraph styles: tag is p, h1, h2, h3 or blockquote. A quote holds paragraphs; Normal
    // takes a paragraph back out of its quote.
    function setParagraphStyle(tag) {
        const inQuote = paragraphStyleAtSelection() === 'blockquote';
        if (tag === 'blockquote') {
            if (!inQuote)
                document.execCommand('formatBlock', false, 'blockquote');
            return;
        }
        if (inQuote)
            document.execCommand('outdent', false, null);
        document.execCommand('formatBlock', false, tag);
    }

    // The template's look lives beside the document, never in it: what the editor returns
    // stays the page's own content.
    function applyStyleSheet(css, baseUrl) {
        const sheet = new CSSStyleSheet({baseURL: baseUrl});
        sheet.replaceSync(css);
        document.adoptedStyleSheets =
            [...document.adoptedStyleSheets.filter((other) => other !== templateSheet), sheet];
        templateSheet = sheet;
    }

    window.quillsite = {
        // Carries out request number seq, [operation, ...arguments], and reports.
        run(seq, call) {
            try {
                operations[call[0]](...call.slice(1));
            } finally {
                request = seq;
                scheduleReport();
            }
        },
    };

    // Markup pasted from elsewhere keeps its formatting but nothing that could run when the
    // built site is opened: scripts, embedded objects, event handlers, script addresses.
    function cleanPastedMarkup(html) {
        const parsed = new DOMParser().parseFromString(html, 'text/html');
        const unwanted = 'script, style, iframe, frame, frameset, object, embed, applet, ' +
                         'base, meta, link, noscript, template';
        for (const element of parsed.body.querySelectorAll(unwanted))
            element.remove();
        const addresses = ['href', 'src', 'action', 'formaction', 'xlink:href', 'data'];
        for (const element of parsed.body.querySelectorAll('*')) {
            for (const attribute of [...element.attributes]) {
                const name = attribute.name.toLowerCase();
                const value = attribute.value.replace(/[\s\u0000-\u001f]/g, '').toLowerCase();
                if (name.startsWith('on') ||
                    (addresses.includes(name) && value.startsWith('javascript:')))
                    element.removeAttribute(attribute.name);
            }
        }
        return cleanHtml5(parsed.body).innerHTML;
    }

    const pictureFile = /\.(png|jpe?g|gif|bmp|svg|webp)$/i;

    // A picture pasted or dropped (a screenshot, a photo from the file manager) goes to the
    // program, which asks for it as if it had been chosen with Browse. True when there was one.
    function offerPicture(data) {
        if (!data || !bridge)
            return false;
        const address = data.getData('text/uri-list').split(/\r?\n/)
            .find((line) => line.startsWith('file:') && pictureFile.test(line));
        if (address) {
            bridge.offerPicture(address);
            return true;
        }
        const picture = [...data.files].find((file) => file.type.startsWith('image/'));
        if (!picture)
            return false;
        const reader = new FileReader();
        reader.onload = () => bridge.offerPicture(reader.result);
        reader.readAsDataURL(picture);
        return true;
    }

    function takePicture(event) {
        const data = event.type === 'drop' ? event.dataTransfer : event.clipboardData;
        if (!offerPicture(data))
            return false;
        event.preventDefault();
        event.stopImmediatePropagation();
        return true;
    }

    // Dropped where the mouse let go: the caret goes there first.
    function dropPicture(event) {
        const range = document.caretRangeFromPoint(event.clientX, event.clientY);
        if (!takePicture(event) || !range)
            return;
        const selection = document.getSelection();
        selection.removeAllRanges();
        selection.addRange(range);
    }

    function pasteCleaned(event) {
        if (takePicture(event))
            return;
        const html = event.clipboardData ? event.clipboardData.getData('text/html') : '';
        if (!html)
            return; // plain text pastes as the engine does it
        event.preventDefault();
        document.execCommand('insertHTML', false, cleanPastedMarkup(html));
    }

    function replaceDocument(html) {
        const parsed = new DOMParser().parseFromString(html, 'text/html');
        document.replaceChild(document.adoptNode(parsed.documentElement),
                              document.documentElement);
        if (!parsed.doctype && document.doctype)
            document.doctype.remove();
    }

    // Enter starts paragraphs, but the first line typed into an empty page (or
    // typed straight into the body) would stay loose text; make it a paragraph too.
    function typeIntoParagraph(event) {
        if (!event.inputType.startsWith('insert') || event.inputType === 'insertParagraph')
            return;
        const selection = document.getSelection();
        const at = selection.rangeCount ? selection.anchorNode : null;
        const loose = at === document.body
            || (at && at.nodeType === Node.TEXT_NODE && at.parentNode === document.body);
        if (loose)
            document.execCommand('formatBlock', false, 'p');
    }

    // The word processor's keys: Ctrl+Y redoes (Ctrl+Z and Ctrl+Shift+Z are the engine's),
    // Ctrl+0 to Ctrl+3 set the paragraph style, Ctrl+K asks for a link.
    const shortcuts = {
        y() { document.execCommand('redo', false, null); },
        0() { setParagraphStyle('p'); },
        1() { setParagraphStyle('h1'); },
        2() { setParagraphStyle('h2'); },
        3() { setParagraphStyle('h3'); },
        k() { if (bridge) bridge.askLink(); },
    };

    function handleShortcut(event) {
        if (!event.ctrlKey || event.shiftKey || event.altKey || event.metaKey)
            return;
        const shortcut = shortcuts[event.key.toLowerCase()];
        if (shortcut) {
            event.preventDefault();
            shortcut();
        }
    }

    // Pictures are shown no wider than the page, as the templates show them, however
    // large the photo. The rule is the editor's own: it is not part of the document.
    function fitPictures() {
        const sheet = new CSSStyleSheet();
        sheet.replaceSync('img { max-width: 100%; height: auto; }');
        document.adoptedStyleSheets = [...document.adoptedStyleSheets, sheet];
    }

    function start() {
        fitPictures();
        document.designMode = 'on';
        document.execCommand('defaultParagraphSeparator', false, 'p');
        applyStyleSheet(quillsiteStyleSheet.css, quillsiteStyleSheet.baseUrl);
        observer.observe(document, {subtree: true, childList: true, attributes: true,
                                    characterData: true});
        document.addEventListener('selectionchange', scheduleReport);
        document.addEventListener('input', scheduleReport);
        document.addEventListener('paste', pasteCleaned);
        document.addEventListener('drop', dropPicture);
        document.addEventListener('beforeinput', typeIntoParagraph);
        window.addEventListener('focus', scheduleReport);
        window.addEventListener('scroll', () => {
            if (!touched) {
                touched = true;
                scheduleReport();
            }
        }, {passive: true});
        document.addEventListener('keydown', handleShortcut);
        new QWebChannel(qt.webChannelTransport, (channel) => {
            bridge = channel.objects.editor;
            if (quillsiteLargeDocument) {
                bridge.takePendingDocument(quillsiteLoadId, (html) => {
                    replaceDocument(html);
                    report();
                });
            } else {
                report();
            }
        });
    }

    start();
})();
