// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

// What check-site.mjs measures on every page, at desktop and at phone width,
// when it audits a site: the accessibility faults axe-core finds, how much of
// the first screen the site menu takes and how many of its links show, and
// the content's pictures that stick out of their column or lost their shape.
// The last view taps the menu's button first, with the page's scripts
// switched off, as a phone without JavaScript would. At desktop width it also
// compares the page content with the same content styled by the template's
// editor style sheet alone, as the editor shows it.

import { readFileSync } from "node:fs";
import { createRequire } from "node:module";

export const VIEWS = [
  { name: "desktop", width: 1280, height: 900, mobile: false, compareEditor: true },
  // A screen too low for a sidebar menu of a dozen entries, which then scrolls.
  { name: "desktop, low screen", width: 1280, height: 600, mobile: false },
  { name: "phone", width: 375, height: 812, mobile: true },
  { name: "phone, menu tapped", width: 375, height: 812, mobile: true, tapMenu: true },
];

// The source of axe-core from the project's npm packages, or null when they
// are not installed.
export function axeSource() {
  try {
    return readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");
  } catch {
    return null;
  }
}

// The middle of the menu's button, where a finger taps it, or null when the
// menu has no button on this screen.
export const menuButton = `(() => {
  const button = document.querySelector("nav summary");
  const box = button ? button.getBoundingClientRect() : null;
  return box && box.width > 0 ? { x: box.x + box.width / 2, y: box.y + box.height / 2 } : null;
})()`;

// Evaluated in the page once axe-core is in it. Every rule axe runs by
// default counts, best practices included.
export const auditPage = `(async () => {
  const results = await axe.run(document, { resultTypes: ["violations"] });
  const menu = document.querySelector("nav");
  return {
    violations: results.violations.map((violation) => ({
      id: violation.id,
      help: violation.help,
      targets: violation.nodes.map((node) => node.target.join(" ")),
    })),
    menuHeight: menu ? Math.round(menu.getBoundingClientRect().height) : 0,
    contentPictures: document.querySelectorAll("main img").length,
    picturesOutOfColumn: [...document.querySelectorAll("main img")].filter((picture) => {
      const box = picture.getBoundingClientRect();
      const column = picture.parentElement.getBoundingClientRect();
      const shapeChanged = Math.abs(box.width / box.height -
        picture.naturalWidth / picture.naturalHeight) > 0.01;
      return box.right > column.right + 0.5 || shapeChanged;
    }).map((picture) => picture.alt),
    menuLinksShown: [...document.querySelectorAll("nav a[href]")]
      .filter((link) => link.checkVisibility({ contentVisibilityAuto: true })).length,
  };
})()`;

// The content region is the element around the page's first paragraph. Its
// content goes into a frame whose body holds it with files/editor.css, as the
// editor's document does; every element the page's author could have written
// must look the same in both, on the same background. Elements with a class
// belong to the template (the page's name), not to the content.
export const compareWithEditor = `(async () => {
  const region = document.querySelector("main p:not([class])")?.parentElement;
  if (!region) return { compared: 0, differences: ["no content region found"] };
  const frame = document.createElement("iframe");
  frame.style.cssText = "position: absolute; left: -10000px; border: 0; height: 600px; width: " +
    region.getBoundingClientRect().width + "px";
  frame.srcdoc = '<!DOCTYPE html><html><head><link rel="stylesheet" href="files/editor.css">' +
    "</head><body>" + region.innerHTML + "</body></html>";
  await new Promise((loaded) => { frame.onload = loaded; document.body.append(frame); });
  const editor = frame.contentDocument;
  const looks = ["color", "background-color", "font-family", "font-size", "font-weight",
    "font-style", "line-height", "letter-spacing", "text-transform", "text-decoration-line",
    "text-decoration-color", "max-width"];
  const background = (element) => {
    for (; element; element = element.parentElement) {
      const colour = getComputedStyle(element).backgroundColor;
      if (colour !== "rgba(0, 0, 0, 0)") return colour;
    }
    return "rgba(0, 0, 0, 0)";
  };
  const differences = [];
  if (background(region) !== background(editor.body)) {
    differences.push("background: page " + background(region) + ", editor " + background(editor.body));
  }
  let compared = 0;
  for (const tag of ["p", "h1", "h2", "h3", "li", "a", "blockquote", "th", "td", "img"]) {
    const selector = tag + ":not([class])";
    const [inPage, inEditor] = [region.querySelector(selector), editor.body.querySelector(selector)];
    if (!inPage || !inEditor) continue;
    ++compared;
    const [pageStyle, editorStyle] = [getComputedStyle(inPage), frame.contentWindow.getComputedStyle(inEditor)];
    for (const look of looks) {
      const [onPage, inEditorLook] = [pageStyle.getPropertyValue(look), editorStyle.getPropertyValue(look)];
      if (onPage !== inEditorLook) differences.push(tag + " " + look + ": page " + onPage + ", editor " + inEditorLook);
    }
  }
  frame.remove();
  return { compared, differences };
})()`;
