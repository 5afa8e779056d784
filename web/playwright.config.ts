// Browser tests of the page in build/web/ (make web), driving Debian's own
// Chromium: no browser is downloaded. `make test` runs them after ctest.
import { defineConfig } from '@playwright/test';

export default defineConfig({
  testDir: './tests/e2e',
  globalSetup: './tests/support/global-setup.ts',
  // Two cores: one browser per core at most, and the simulated radio paces
  // every byte at 9600 baud, so tests in one file run one after another.
  workers: 2,
  fullyParallel: false,
  forbidOnly: !!process.env.CI,
  retries: 0,
  timeout: 60_000,
  expect: { timeout: 15_000 },
  reporter: [['list'], ['./tests/support/summary-reporter.ts']],
  outputDir: `${process.env.PL63_BUILD ?? '../build'}/web-test-results`,
  use: {
    // A control that never comes fails its test in seconds, not at the time-out.
    actionTimeout: 15_000,
    locale: 'en-US',
    viewport: { width: 1366, height: 768 },
    serviceWorkers: 'allow',
    trace: 'retain-on-failure',
    screenshot: 'only-on-failure',
    launchOptions: {
      executablePath: '/usr/bin/chromium',
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    },
  },
});
