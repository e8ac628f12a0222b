// What check-site.mjs measures on every page, at desktop and at phone width,
// when it audits a site: the accessibility faults axe-core finds, how much of
// the first screen the site menu takes and how many of its links show. The
// last view taps the menu's button first, with the page's scripts switched
// off, as a phone without JavaScript would.

import { readFileSync } from "node:fs";
import { createRequire } from "node:module";

export const VIEWS = [
  { name: "desktop", width: 1280, height: 800, mobile: false },
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
    menuLinksShown: [...document.querySelectorAll("nav a[href]")]
      .filter((link) => link.checkVisibility({ contentVisibilityAuto: true })).length,
  };
})()`;
