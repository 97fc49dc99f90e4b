.pragma library

// Every picture of the toolbar, its choosers and the overlay, by role. The
// addresses are also the chooser entries and the values of the toolbar's icon
// properties.
const folder = "qrc:/icons/";

const logo = "qrc:/icons/logo.png";
const collapse = "qrc:/icons/down.png";
const expand = "qrc:/icons/up.png";
const drawingOn = "qrc:/icons/penmodel.png";
const drawingOff = "qrc:/icons/mouse.png";

const pen = "qrc:/icons/pen.png";
const highlighter = "qrc:/icons/ygpen.png";
const text = "qrc:/icons/text.png";

const line = "qrc:/icons/line.png";
const circle = "qrc:/icons/circle.png";
const arrow = "qrc:/icons/jiantou.png";
const rectangle = "qrc:/icons/rect.png";
const numberedCircle = "qrc:/icons/munber.png";
// Not a shape: the tool that selects, moves and restyles what is drawn.
const select = "qrc:/icons/select.png";

const eraser = "qrc:/icons/erase.png";
const undo = "qrc:/icons/chexiao.png";
const redo = "qrc:/icons/fanhui.png";
const clear = "qrc:/icons/clear.png";

const transparentBoard = "qrc:/icons/draw.png";
const whiteBoard = "qrc:/icons/whiteBorad.png";
const blackBoard = "qrc:/icons/blackBoard.png";
const picture = "qrc:/icons/tuku.png";

const screenshot = "qrc:/icons/screen.png";
const colour = "qrc:/icons/color.png";
const menu = "qrc:/icons/menue.png";

const laser = "qrc:/icons/laser.png";
const spotlight = "qrc:/icons/spotlight.png";
const zoom = "qrc:/icons/zoom.png";

const thin = "qrc:/icons/a.png";
const medium = "qrc:/icons/b.png";
const thick = "qrc:/icons/c.png";
const thickest = "qrc:/icons/d.png";

// The timed effects carry their period in seconds in the name after the stem
// ("timer5.png"); the plain picture switches the effect off.
const fadeStem = "timer";
const fadeOff = "qrc:/icons/timer.png";
const repeatStem = "re";
const repeatOff = "qrc:/icons/re.png";

// The chooser entries, in the order they are offered.
const penChoices = [pen, highlighter, text];
const shapeChoices = [line, circle, arrow, rectangle, numberedCircle, select];
const undoChoices = [undo, redo];
const boardChoices = [transparentBoard, whiteBoard, blackBoard, picture];
const thicknessChoices = [thin, medium, thick, thickest];
const fadeChoices = [fadeOff, "qrc:/icons/timer3.png", "qrc:/icons/timer5.png", "qrc:/icons/timer10.png", "qrc:/icons/timer30.png"];
const presenterChoices = [laser, spotlight, zoom];
const repeatChoices = [repeatOff, "qrc:/icons/re3.png", "qrc:/icons/re5.png", "qrc:/icons/re10.png"];
