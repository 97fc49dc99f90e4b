.pragma library

// Every picture of the toolbar, the chooser and the overlay, by role. The
// addresses are also the chooser entries and the toolbar's icon properties.
const folder = "qrc:/icons/";

const logo = folder + "logo.png";
const moreMarker = folder + "morerb.png";
const collapse = folder + "down.png";
const expand = folder + "up.png";
const drawingOn = folder + "penmodel.png";
const drawingOff = folder + "mouse.png";

const pen = folder + "pen.png";
const highlighter = folder + "ygpen.png";
const text = folder + "text.png";

const line = folder + "line.png";
const circle = folder + "circle.png";
const arrow = folder + "jiantou.png";
const rectangle = folder + "rect.png";
const numberedCircle = folder + "munber.png";

const eraser = folder + "erase.png";
const undo = folder + "chexiao.png";
const redo = folder + "fanhui.png";
const clear = folder + "clear.png";

const transparentBoard = folder + "draw.png";
const whiteBoard = folder + "whiteBorad.png";
const blackBoard = folder + "blackBoard.png";
const picture = folder + "tuku.png";

const screenshot = folder + "screen.png";
const colour = folder + "color.png";
const menu = folder + "menue.png";

const thin = folder + "a.png";
const medium = folder + "b.png";
const thick = folder + "c.png";
const thickest = folder + "d.png";

// The timed effects carry their period in seconds in the name: "timer5.png".
const fadeStem = "timer";
const repeatStem = "re";

function timed(stem, seconds) {
    return folder + stem + (seconds > 0 ? seconds : "") + ".png";
}

const fadeOff = timed(fadeStem, 0);
const repeatOff = timed(repeatStem, 0);

// The chooser entries, in the order they are offered.
const penChoices = [pen, highlighter, text];
const shapeChoices = [line, circle, arrow, rectangle, numberedCircle];
const undoChoices = [undo, redo];
const boardChoices = [transparentBoard, whiteBoard, blackBoard, picture];
const thicknessChoices = [thin, medium, thick, thickest];
const fadeChoices = [0, 3, 5, 10, 30].map(s => timed(fadeStem, s));
const repeatChoices = [0, 3, 5, 10].map(s => timed(repeatStem, s));
