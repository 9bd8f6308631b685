// The start-up benchmark's floor in the browser: the least emscripten program of the page's build and flags
// that puts up the same nine controls in the same places and binds the button, nothing else.
#include <emscripten.h>

EM_JS(void, floorBuild, (), {
    const window = document.createElement("div");
    window.id = "Form1";
    window.style.position = "relative";
    window.style.width = "732px";
    window.style.height = "94px";
    const controls = [
        [ "input", "Text1", "1", 4, 8, 121, 25 ], [ "input", "Text2", "0", 132, 8, 121, 25 ],
        [ "input", "Text3", "360", 260, 8, 121, 25 ], [ "button", "Command2", "Вывод данных", 388, 8, 233, 57 ],
        [ "button", "Command1", "Exit", 632, 8, 93, 57 ], [ "label", "Label1", "Внешний радиус", 4, 40, 121, 17 ],
        [ "label", "Label2", "Внутренний радиус", 132, 40, 121, 17 ],
        [ "label", "Label3", "Угол сектора", 260, 40, 121, 17 ],
        [ "span", "Label4", "Результат вычислений", 4, 72, 120, 17 ]
    ];
    for (const c of controls) {
        const element = document.createElement(c[0]);
        element.id = c[1];
        if (c[0] == "input") {
            element.value = c[2];
        } else {
            element.textContent = c[2];
        }
        element.style.position = "absolute";
        element.style.left = c[3] + "px";
        element.style.top = c[4] + "px";
        element.style.width = c[5] + "px";
        element.style.height = c[6] + "px";
        window.appendChild(element);
    }
    document.getElementById("rc-screen").appendChild(window);
    document.getElementById("Command2")
        .addEventListener(
            "click", function() { Module["_floorClick"](); });
    document.getElementById("Command2").focus();
});

extern "C" EMSCRIPTEN_KEEPALIVE void floorClick() {}

int main() {
    floorBuild();
}
