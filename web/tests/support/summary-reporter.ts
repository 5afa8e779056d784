// Ends the run with one plain line, "playwright: N passed, N failed" (and
// ", N skipped"), the form CI reads as a test runner's closing line.
import type { FullResult, Reporter, TestCase, TestResult } from '@playwright/test/reporter';

export default class SummaryReporter implements Reporter {
  private readonly outcomes = new Map<TestCase, TestResult['status']>();

  onTestEnd(test: TestCase, result: TestResult) {
    this.outcomes.set(test, result.status);  // the last retry decides
  }

  onEnd(_result: FullResult) {
    let passed = 0, failed = 0, skipped = 0;
    for (const status of this.outcomes.values()) {
      if (status === 'passed') passed += 1;
      else if (status === 'skipped') skipped += 1;
      else failed += 1;
    }
    console.log(`playwright: ${passed} passed, ${failed} failed${skipped ? `, ${skipped} skipped` : ''}`);
  }
}
