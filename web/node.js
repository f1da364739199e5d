// Run as `node figcalc.js`: figcalc on standard input and standard output,
// with its exit status. (In a web page this does nothing.)
if (typeof module === 'object' && typeof require === 'function' && require.main === module) {
  const fs = require('fs');
  const writeTo = (fd) => (byte) => fs.writeSync(fd, Uint8Array.of(byte & 0xff));
  figcalc({
    readInput: async (size) => {
      const bytes = Buffer.alloc(size);
      return bytes.subarray(0, fs.readSync(0, bytes, 0, size, null));
    },
    stdout: writeTo(1),
    stderr: writeTo(2),
    onExit: (status) => { process.exitCode = status; },
  });
}
