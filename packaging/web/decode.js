// Appended to the program's JavaScript. The WebAssembly is in the page as base64, and the runtime's own
// decoder copies it out of atob() a character at a time, which at start costs several milliseconds more
// than the browser's decoder; this later declaration of the same function takes its place.
function intArrayFromBase64(s) {
    if (Uint8Array.fromBase64) {
        return Uint8Array.fromBase64(s);
    }
    const decoded = atob(s);
    const bytes = new Uint8Array(decoded.length);
    for (let i = 0; i < decoded.length; ++i) {
        bytes[i] = decoded.charCodeAt(i);
    }
    return bytes;
}
