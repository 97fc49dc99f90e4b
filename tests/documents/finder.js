.pragma library

// Every item below (and including) the given one that satisfies the predicate,
// in depth-first order.
function findAll(item, predicate) {
    let found = [];
    if (!item)
        return found;
    if (predicate(item))
        found.push(item);
    const kids = item.children || [];
    for (let i = 0; i < kids.length; ++i)
        found = found.concat(findAll(kids[i], predicate));
    return found;
}

// The visible icon button of a window showing the given picture.
function iconButton(window, source) {
    const hits = findAll(window.contentItem, i => i.img_src !== undefined && String(i.img_src) === source && i.visible);
    return hits.length > 0 ? hits[0] : null;
}
