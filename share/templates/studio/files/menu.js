// Marks the menu entry of the page on display, so the style sheet can show
// readers where they are. The site works the same without it.
document.querySelectorAll("nav a[href]").forEach(function (link) {
  if (link.href.split("#")[0] === location.href.split("#")[0]) {
    link.setAttribute("aria-current", "page");
  }
});
