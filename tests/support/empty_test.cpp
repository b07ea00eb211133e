// Keeps the test binary buildable before any test file exists.
