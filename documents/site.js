.pragma library

// The product's web site. The reserved "example" domain stands in until the product has
// a site of its own; every document takes its addresses from here.
const home = "https://quillmark.example";

// The about window's link: the Chinese pages for Simplified Chinese, English otherwise.
function homeFor(language) {
    return language === "zh_CN" ? home + "/zh/" : home + "/en/";
}

function helpPage() {
    return home + "/help.html";
}
