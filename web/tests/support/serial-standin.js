// navigator.serial as Chromium has it, installed by the test runner before
// the page's own scripts (with __CONFIG__ replaced by the test's choices:
// { chooser: 'pick' | 'cancel', granted: boolean }). A headless browser cannot
// show the port chooser or reach a device, so this stand-in's one port carries
// its bytes through bindings (radio-bridge.ts) to a simulated radio on a
// pseudo-terminal in the test runner. It keeps the rules a page meets in a
// real browser (a chooser only on a user gesture, one open at a time, no close
// while a stream is locked, a new readable after a cancel, a lost device
// errors the streams), so a page that breaks them here would break with a
// cable too. Plain JavaScript: it is handed to the browser as it is.
(function installSerialStandIn(config) {
  const fail = (name, message) => new DOMException(message, name);
  const kParities = ['none', 'even', 'odd'];

  class SerialPort extends EventTarget {
    #state = 'closed';
    #readable = null;
    #writable = null;
    #readFatal = false;
    #writeFatal = false;
    #connected = true;
    #forgotten = false;
    onconnect = null;
    ondisconnect = null;

    get connected() {
      return this.#connected;
    }

    get readable() {
      if (this.#readable) return this.#readable;
      if (this.#state !== 'opened' || this.#readFatal) return null;
      let cancelled = false;
      const stream = new ReadableStream({
        type: 'bytes',
        pull: async (controller) => {
          // A pull that enqueues nothing is not called again, so wait here
          // until bytes come, the device goes or the reader cancels.
          for (;;) {
            const bytes = await window.__pl63SerialRead();
            if (cancelled) return;
            if (bytes === null) {
              this.#lose();
              controller.error(fail('NetworkError', 'The device has been lost.'));
              return;
            }
            if (bytes.length > 0) {
              controller.enqueue(new Uint8Array(bytes));
              return;
            }
          }
        },
        cancel: async () => {
          cancelled = true;
          if (this.#readable === stream) this.#readable = null;
          await window.__pl63SerialCancelRead();
        },
      });
      this.#readable = stream;
      return stream;
    }

    get writable() {
      if (this.#writable) return this.#writable;
      if (this.#state !== 'opened' || this.#writeFatal) return null;
      const stream = new WritableStream({
        write: async (chunk) => {
          let bytes;
          if (chunk instanceof ArrayBuffer) bytes = new Uint8Array(chunk);
          else if (ArrayBuffer.isView(chunk)) {
            bytes = new Uint8Array(chunk.buffer, chunk.byteOffset, chunk.byteLength);
          } else {
            throw new TypeError("Failed to execute 'write': chunk is not an ArrayBuffer or ArrayBufferView");
          }
          if (!this.#connected) throw fail('NetworkError', 'The device has been lost.');
          await window.__pl63SerialWrite(Array.from(bytes));
        },
        close: async () => {
          if (this.#writable === stream) this.#writable = null;
        },
        abort: async () => {
          if (this.#writable === stream) this.#writable = null;
        },
      });
      this.#writable = stream;
      return stream;
    }

    async open(options) {
      if (this.#forgotten) throw fail('InvalidStateError', 'The port has been forgotten.');
      if (this.#state !== 'closed') throw fail('InvalidStateError', 'The port is already open.');
      if (!options || options.baudRate === undefined) {
        throw new TypeError("Failed to execute 'open' on 'SerialPort': required member baudRate is undefined.");
      }
      if (!(options.baudRate > 0)) throw new TypeError('Requested baud rate must be non-zero.');
      const settings = {
        baudRate: options.baudRate,
        dataBits: options.dataBits ?? 8,
        stopBits: options.stopBits ?? 1,
        parity: options.parity ?? 'none',
        bufferSize: options.bufferSize ?? 255,
        flowControl: options.flowControl ?? 'none',
      };
      if (settings.dataBits !== 7 && settings.dataBits !== 8) {
        throw new TypeError('Requested number of data bits must be 7 or 8.');
      }
      if (settings.stopBits !== 1 && settings.stopBits !== 2) {
        throw new TypeError('Requested number of stop bits must be 1 or 2.');
      }
      if (!kParities.includes(settings.parity) || !['none', 'hardware'].includes(settings.flowControl)) {
        throw new TypeError("The provided value is not a valid enum value.");
      }
      if (!(settings.bufferSize > 0)) throw new TypeError('Requested buffer size must be greater than zero.');
      this.#state = 'opening';
      try {
        await window.__pl63SerialOpen(settings);
      } catch {
        this.#state = 'closed';
        throw fail('NetworkError', 'Failed to open serial port.');
      }
      this.#state = 'opened';
      this.#readFatal = this.#writeFatal = false;
    }

    async close() {
      if (this.#state !== 'opened') throw fail('InvalidStateError', 'The port is already closed.');
      // The streams are cancelled and aborted as by their owners, which a
      // locked stream refuses: a page must release its reader and writer first.
      if (this.#readable?.locked) throw new TypeError('Cannot cancel a locked stream');
      if (this.#writable?.locked) throw new TypeError('Cannot abort a locked stream');
      this.#state = 'closing';
      await Promise.all([this.#readable?.cancel(), this.#writable?.abort()]);
      this.#readable = this.#writable = null;
      await window.__pl63SerialClose();
      this.#state = 'closed';
    }

    async forget() {
      if (this.#state === 'opened') {
        this.#readable = this.#writable = null;
        await window.__pl63SerialClose();
        this.#state = 'closed';
      }
      this.#forgotten = true;
      granted = granted.filter((port) => port !== this);
    }

    getInfo() {
      // A CH340 cable, the common one for this radio.
      return this.#forgotten ? {} : { usbVendorId: 0x1a86, usbProductId: 0x7523 };
    }

    async setSignals(signals) {
      if (this.#state !== 'opened') throw fail('InvalidStateError', 'The port is closed.');
      if (!signals || (signals.dataTerminalReady === undefined && signals.requestToSend === undefined &&
                       signals.break === undefined)) {
        throw new TypeError('Signals dictionary must contain at least one member.');
      }
      await window.__pl63SerialSignals(signals);
    }

    async getSignals() {
      if (this.#state !== 'opened') throw fail('InvalidStateError', 'The port is closed.');
      return { dataCarrierDetect: false, clearToSend: true, ringIndicator: false, dataSetReady: true };
    }

    // The cable was pulled: both streams fail and a disconnect is reported.
    #lose() {
      if (!this.#connected) return;
      this.#connected = false;
      this.#readFatal = this.#writeFatal = true;
      this.#readable = null;
      const writable = this.#writable;
      this.#writable = null;
      if (writable && !writable.locked) writable.abort().catch(() => {});
      const event = new Event('disconnect', { bubbles: true });
      this.dispatchEvent(event);
      this.ondisconnect?.(event);
      serial.dispatchEvent(new Event('disconnect'));
      serial.ondisconnect?.(new Event('disconnect'));
    }
  }

  class Serial extends EventTarget {
    onconnect = null;
    ondisconnect = null;

    async requestPort(options) {
      for (const filter of options?.filters ?? []) {
        if (filter.usbVendorId === undefined && filter.usbProductId !== undefined) {
          throw new TypeError('A filter containing a usbProductId must also specify a usbVendorId.');
        }
      }
      if (!navigator.userActivation?.isActive) {
        throw fail('SecurityError', 'Must be handling a user gesture to show a permission request.');
      }
      await window.__pl63SerialChooserShown();
      if (config.chooser === 'cancel') throw fail('NotFoundError', 'No port selected by the user.');
      if (!granted.includes(port)) granted.push(port);
      return port;
    }

    async getPorts() {
      return [...granted];
    }
  }

  const serial = new Serial();
  const port = new SerialPort();
  let granted = config.granted ? [port] : [];
  Object.defineProperty(window, 'SerialPort', { value: SerialPort, configurable: true, writable: true });
  Object.defineProperty(window, 'Serial', { value: Serial, configurable: true, writable: true });
  Object.defineProperty(Navigator.prototype, 'serial', {
    get: () => serial, configurable: true, enumerable: true,
  });
})(__CONFIG__);
