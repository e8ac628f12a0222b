// The editor's side of the page. It runs in its own script world (the document's own
// scripts never run): it turns on editing, carries out the program's commands, and reports
// the document and the state of the selection after every change.
//
// The program defines before this script: quillsiteLoadId (which load of the editor this
// page is) and quillsiteLargeDocument (the document waits in the bridge instead of having
// been loaded as the page).
(function () {
    'use strict';

    const statefulCommands = ['bold', 'italic', 'underline', 'justifyLeft', 'justifyCenter',
                              'justifyRight', 'insertOrderedList', 'insertUnorderedList'];
    let bridge = null;
    let request = 0;
    let contentChanged = true;
    let reportScheduled = false;
    const observer = new MutationObserver(() => { contentChanged = true; scheduleReport(); });

    function documentHtml() {
        const doctype = document.doctype
            ? new XMLSerializer().serializeToString(document.doctype) + '\n' : '';
        return doctype + document.documentElement.outerHTML;
    }

    function commandStates() {
        const states = {};
        for (const name of statefulCommands) {
            states[name] = {enabled: document.queryCommandEnabled(name),
                            state: document.queryCommandState(name)};
        }
        return states;
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
        if (observer.takeRecords().length)
            contentChanged = true;
        const link = linkAtSelection();
        const picture = selectedPicture();
        const snapshot = {
            loadId: quillsiteLoadId,
            request: request,
            states: commandStates(),
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
            snapshot.bodyHtml = document.body ? document.body.innerHTML : '';
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
            document.execCommand(name, false, null);
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
            if (family !== '')
                document.execCommand('fontName', false, family);
            if (htmlSize > 0)
                document.execCommand('fontSize', false, String(htmlSize));
            if (color !== '')
                document.execCommand('foreColor', false, color);
        },
    };

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
        return parsed.body.innerHTML;
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
        observer.observe(document, {subtree: true, childList: true, attributes: true,
                                    characterData: true});
        document.addEventListener('selectionchange', scheduleReport);
        document.addEventListener('input', scheduleReport);
        document.addEventListener('paste', pasteCleaned);
        document.addEventListener('drop', dropPicture);
        document.addEventListener('beforeinput', typeIntoParagraph);
        window.addEventListener('focus', scheduleReport);
        document.addEventListener('keydown', (event) => {
            // Ctrl+Y redoes, as in word processors; Ctrl+Z and Ctrl+Shift+Z are the engine's.
            if (event.ctrlKey && !event.shiftKey && !event.altKey && event.key === 'y') {
                document.execCommand('redo', false, null);
                event.preventDefault();
            }
        });
        new QWebChannel(qt.webChannelTransport, (channel) => {
            bridge = channel.objects.editor;
            if (quillsiteLargeDocument) {
                bridge.takePendingDocument((html) => {
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
