// The page's benchmarks (make web-bench): the tests' browser and server, one
// worker so that nothing else runs beside a measurement.
import { defineConfig } from '@playwright/test';
import tests from '../playwright.config';

export default defineConfig({
  ...tests,
  testDir: '.',
  testMatch: '*.bench.ts',
  globalSetup: '../tests/support/global-setup.ts',
  reporter: [['line']],
  workers: 1,
  timeout: 300_000,
});
