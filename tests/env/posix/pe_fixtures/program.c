/* The program of the test executables; only its resources are ever read. */
int main(void) { return 0; }
